#include "app/form_layout.h"

#include "app/port_combo_box.h"
#include "app/wrap_button.h"
#include "commands/command_table.h"
#include "commands/form_layout_table.h"
#include "protocol/request_text.h"
#include "protocol/wire.h"
#include "qt_boundary/core_types.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QProxyStyle>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QCoreApplication>
#include <QStyleOption>

#include <map>

namespace smscfg {
namespace {

// What a screen reader calls each box, and the label that stands for it.
// Rows that repeat a word ("地址", "描述") are told apart by their heading.
struct BoxName {
    const char *box;
    const char *label;  // its buddy, nullptr for a box without a label
    const char *name;   // Chinese; translated when shown
};
const BoxName boxNames[] = {
    {"Text3", "Label3", QT_TRANSLATE_NOOP("FormLayout", "设备总数")},
    {"Text2", "Label2_0", QT_TRANSLATE_NOOP("FormLayout", "地址数")},
    {"Text4", "Label5", QT_TRANSLATE_NOOP("FormLayout", "设备端口数")},
    {"Text1", "Label2_1", QT_TRANSLATE_NOOP("FormLayout", "设备描述 地址")},
    {"Text5", "Label2_2", QT_TRANSLATE_NOOP("FormLayout", "设备描述 描述")},
    {"Text9", "Label2_6", QT_TRANSLATE_NOOP("FormLayout", "设备描述 内容")},
    {"Text6", "Label2_3", QT_TRANSLATE_NOOP("FormLayout", "端口描述 地址")},
    {"Text7", "Label2_4", QT_TRANSLATE_NOOP("FormLayout", "端口描述 端口")},
    {"Text8", "Label2_5", QT_TRANSLATE_NOOP("FormLayout", "端口描述 描述")},
    {"Text10", nullptr, QT_TRANSLATE_NOOP("FormLayout", "短信中心号码")},
    {"Text11", "Label7_0", QT_TRANSLATE_NOOP("FormLayout", "第几个电话")},
    {"Text12", "Label7_1", QT_TRANSLATE_NOOP("FormLayout", "电话号码")},
    {"Text13", "Label7_2", QT_TRANSLATE_NOOP("FormLayout", "设备轮训号")},
    {"Text14", "Label7_3", QT_TRANSLATE_NOOP("FormLayout", "探头号")},
    {"Combo2", "Label8_0", QT_TRANSLATE_NOOP("FormLayout", "年")},
    {"Combo3", "Label8_1", QT_TRANSLATE_NOOP("FormLayout", "月")},
    {"Combo4", "Label8_2", QT_TRANSLATE_NOOP("FormLayout", "日")},
    {"Combo5", "Label8_3", QT_TRANSLATE_NOOP("FormLayout", "时")},
    {"Combo6", "Label8_4", QT_TRANSLATE_NOOP("FormLayout", "分")},
    {"Combo7", nullptr, QT_TRANSLATE_NOOP("FormLayout", "星期")},
    {"Combo1", "Label2_7", QT_TRANSLATE_NOOP("FormLayout", "串口")},
};

// Check boxes and option buttons: named by their caption, with what ticking
// them means.
struct ChoiceHint {
    const char *box;
    const char *hint;
};
const ChoiceHint choiceHints[] = {
    {"Check1", QT_TRANSLATE_NOOP("FormLayout", "勾选：描述按 Unicode（UTF-16）发送；不勾选：按 GBK（代码页 936）发送")},
    {"Check3", QT_TRANSLATE_NOOP("FormLayout", "勾选：探头是开关量输入")},
    {"Option1_0", QT_TRANSLATE_NOOP("FormLayout", "探头告警上限：低电平")},
    {"Option1_1", QT_TRANSLATE_NOOP("FormLayout", "探头告警上限：高电平")},
};

QString translated(const char *chinese)
{
    return QCoreApplication::translate("FormLayout", chinese);
}

// The size a control's caption is designed for, in points; fitCaptions
// starts from it.
const char *const CaptionPoints = "captionPoints";

QRect pixels(int left, int top, int width, int height)
{
    return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel);
}

// The form's fonts: one family, four sizes, each made once. Children that
// keep the window's size (10.5 pt) inherit it and set nothing.
const QFont &fontOf(double points)
{
    static std::map<double, QFont> fonts;
    auto it = fonts.find(points);
    if (it == fonts.end()) {
        QFont font = formFont();
        font.setPointSizeF(points);
        it = fonts.emplace(points, font).first;
    }
    return it->second;
}

void setTextColor(QWidget *w, const QColor &color)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, color);
    w->setPalette(palette);
}

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

// Check boxes and option buttons whose box stands out on a dark background
// too: the style's own outline there is darker than the dark window.
class VisibleIndicatorStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        const bool box = element == PE_IndicatorCheckBox;
        if ((!box && element != PE_IndicatorRadioButton) || !isDark(option->palette))
            return;
        QColor outline = option->palette.color(QPalette::WindowText);
        outline.setAlpha(160);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, !box);
        painter->setPen(outline);
        painter->setBrush(Qt::NoBrush);
        const QRectF r = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        if (box)
            painter->drawRect(r);
        else
            painter->drawEllipse(r);
        painter->restore();
    }
};

// A label in its own size: the font comes before the text, which is then
// laid out once.
QLabel *formLabel(const QString &caption, double points, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFont(fontOf(points));
    label->setText(caption);
    return label;
}

QWidget *create(const FormControl &c, QWidget *parent, std::u16string_view parentFrame, QPoint origin,
                QCompleter *noCompletion)
{
    using Kind = ControlKind;
    const QString caption = toQString(captionOf(c));
    QWidget *w = nullptr;
    switch (c.kind) {
    case Kind::Title:
        w = formLabel(caption, TitlePoints, parent);
        break;
    case Kind::Label:
        w = formLabel(caption, LabelPoints, parent);
        break;
    case Kind::Hint: {
        QLabel *label = formLabel(caption, SmallPoints, parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w = label;
        break;
    }
    case Kind::Button:
        w = new WrapButton(caption, parent);
        break;
    case Kind::Text:
        w = new QLineEdit(parent);
        break;
    case Kind::Combo:
    case Kind::PortCombo: {
        auto *combo = c.kind == Kind::PortCombo ? new PortComboBox(parent) : new QComboBox(parent);
        // Placed first: an editable combo box that has no size yet works
        // one out, which costs a font layout.
        combo->setGeometry(pixels(c.left, c.top, c.width, c.height).translated(-origin));
        combo->setFont(fontOf(SmallPoints));
        // No completion: in a list of two-digit values it would turn a typed
        // "1" into "10", a value the operator did not type. A completer
        // without a model stands in for the one the box would make; the
        // boxes share it, each taking it over when it gets the focus.
        auto *edit = new QLineEdit(combo);
        edit->setCompleter(noCompletion);
        combo->setLineEdit(edit);
        // The lists are fixed: typing a text must not add it.
        combo->setInsertPolicy(QComboBox::NoInsert);
        w = combo;
        break;
    }
    case Kind::Check:
        w = new QCheckBox(caption, parent);
        break;
    case Kind::Option:
        w = new QRadioButton(caption, parent);
        break;
    case Kind::Frame: {
        // A frame without a caption: an etched rectangle around the
        // controls it holds.
        auto *frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        w = frame;
        break;
    }
    }
    w->setObjectName(toQString(c.name));
    if (c.kind == Kind::Title || c.kind == Kind::Label || c.kind == Kind::Hint || c.kind == Kind::Button
        || c.kind == Kind::Check || c.kind == Kind::Option)
        w->setProperty(CaptionPoints, c.kind == Kind::Title ? TitlePoints
                                      : c.kind == Kind::Label ? LabelPoints
                                      : c.kind == Kind::Hint || isSmallFrame(parentFrame) ? SmallPoints
                                                                                         : BodyPoints);
    // Places are the form's; a control inside a frame is placed in it.
    w->setGeometry(pixels(c.left, c.top, c.width, c.height).translated(-origin));
    return w;
}

QRect pixels(const FormControl &c)
{
    return pixels(c.left, c.top, c.width, c.height);
}

// "电话01" and its box fit their 54 pixels only with less room between them.
class CompactCheckStyle : public VisibleIndicatorStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_CheckBoxLabelSpacing)
            return 2;
        return VisibleIndicatorStyle::pixelMetric(metric, option, widget);
    }
};

// In Frame1, which gives them its font.
void createPhoneBoxes(QWidget *frame)
{
    auto *compact = new CompactCheckStyle;
    compact->setParent(frame);
    for (int k = 0; k < wire::PhoneSlotCount; ++k) {
        const FormControl place = phoneBox(k);
        auto *box = new QCheckBox(frame);
        box->setObjectName(toQString(place.name));
        box->setProperty(CaptionPoints, SmallPoints);
        box->setStyle(compact);
        box->setGeometry(pixels(place).translated(-frame->pos()));
    }
}

// What a button sends, for a screen reader: "发送请求 0x46（设置设备总数），
// 读取：设备总数".
QString buttonDescription(const CommandEntry &entry, const QWidget *form)
{
    QStringList read;
    for (const std::u16string &control : entry.textControls())
        read << form->findChild<QWidget *>(toQString(control))->accessibleName();
    if (entry.hasOption(CliOption::CodePage))
        read << QStringLiteral("Unicode");
    if (entry.hasOption(CliOption::Phones))
        read << translated(QT_TRANSLATE_NOOP("FormLayout", "电话01到电话16"));
    if (entry.hasOption(CliOption::NoSwitch))
        read << form->findChild<QAbstractButton *>(QStringLiteral("Check3"))->text();
    if (entry.hasOption(CliOption::Level))
        read << translated(QT_TRANSLATE_NOOP("FormLayout", "低电平或高电平"));
    const QString sends = translated(QT_TRANSLATE_NOOP("FormLayout", "发送请求 %1（%2）"))
                              .arg(toQString(codeText(entry.code)),
                                   form->findChild<QAbstractButton *>(toQString(entry.button))->text());
    if (read.isEmpty())
        return sends;
    return translated(QT_TRANSLATE_NOOP("FormLayout", "%1，读取：%2"))
        .arg(sends, read.join(translated(QT_TRANSLATE_NOOP("FormLayout", "、"))));
}

// Names, tooltips and buddies, so that a screen reader can tell one box
// from another.
void describeControls(QWidget *form)
{
    for (const BoxName &b : boxNames) {
        auto *box = form->findChild<QWidget *>(QLatin1String(b.box));
        const QString name = translated(b.name);
        box->setAccessibleName(name);
        box->setToolTip(name);
        if (b.label)
            form->findChild<QLabel *>(QLatin1String(b.label))->setBuddy(box);
    }
    for (const ChoiceHint &c : choiceHints) {
        auto *box = form->findChild<QAbstractButton *>(QLatin1String(c.box));
        box->setAccessibleName(box->text());
        box->setToolTip(translated(c.hint));
    }
    for (int k = 0; k < wire::PhoneSlotCount; ++k) {
        auto *box = form->findChild<QAbstractButton *>(toQString(phoneBox(k).name));
        box->setAccessibleName(box->text());
        box->setToolTip(translated(QT_TRANSLATE_NOOP("FormLayout", "%1：收到这台设备或探头的告警短信")).arg(box->text()));
    }
    for (const CommandEntry &entry : commandTable())
        form->findChild<QWidget *>(toQString(entry.button))->setAccessibleDescription(buttonDescription(entry, form));
    form->findChild<QWidget *>(QStringLiteral("Command7"))
        ->setAccessibleDescription(translated(QT_TRANSLATE_NOOP("FormLayout", "关闭串口，再打开左边框里的串口；不发送请求")));
}

// The room a control has for its caption, and whether the caption wraps
// there (at spaces: a caption without any stays on one line, or a button
// splits it in two).
QRect captionRoom(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->contentsRect();
    auto *button = qobject_cast<const QAbstractButton *>(w);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement element = qobject_cast<const QCheckBox *>(w)      ? QStyle::SE_CheckBoxContents
                                       : qobject_cast<const QRadioButton *>(w) ? QStyle::SE_RadioButtonContents
                                                                               : QStyle::SE_PushButtonContents;
    return w->style()->subElementRect(element, &option, w);
}

// Whether `text` in `font` fits `room`: as it is (its own line breaks), or
// with `wrap` also broken between words. The last line's descent may reach
// past the bottom: only the tails of a few Latin letters hang there.
bool textFits(const QString &text, const QFont &font, const QRect &room, bool wrap)
{
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 16), wrap ? Qt::TextWordWrap : 0, text);
    return needed.width() <= room.width() && needed.height() - metrics.descent() <= room.height();
}

// The least size a caption is shrunk to.
constexpr double LeastPoints = 6.5;

// `w` in its designed size where its caption fits; else wrapped at spaces
// where it can wrap, then smaller, until it fits. A button wraps by itself
// (WrapButton: at spaces, or a caption without any in two halves); a label
// is told to.
void fitCaption(QWidget *w)
{
    const double designed = w->property(CaptionPoints).toDouble();
    auto *label = qobject_cast<QLabel *>(w);
    const bool hint = label && label->objectName() == u"Label4";
    const QString caption = label ? label->text() : qobject_cast<QAbstractButton *>(w)->text();
    const bool wraps = label || qobject_cast<WrapButton *>(w);
    const bool spaced = caption.contains(u' ');
    const QString halves = caption.left((caption.size() + 1) / 2) + u'\n' + caption.mid((caption.size() + 1) / 2);
    if (label)
        label->setWordWrap(hint);
    w->setFont(fontOf(designed));
    const QRect room = captionRoom(w);
    QFont font = fontOf(designed);
    for (double points = designed; points >= LeastPoints; points -= 0.5) {
        font.setPointSizeF(points);
        const bool oneLine = textFits(caption, font, room, false);
        // A label wraps Chinese between any two characters, English at spaces.
        const bool wrapped = wraps && !oneLine && (spaced || (label && hint)) && textFits(caption, font, room, true);
        const bool split = wraps && !label && !oneLine && !spaced && textFits(halves, font, room, false);
        if (oneLine || wrapped || split) {
            if (label)
                label->setWordWrap(hint || wrapped);
            if (points != designed)
                w->setFont(font);
            return;
        }
    }
    w->setFont(font);
}

}  // namespace

void applyFormColours(QWidget *form, const QPalette &palette)
{
    // The specified green and red where the background is light; on a dark
    // one, lighter shades of them that can be read.
    const bool dark = isDark(palette);
    setTextColor(form->findChild<QWidget *>(QStringLiteral("Label1")),
                 dark ? QColor(0x6c, 0xd8, 0x6c) : QColor(0x00, 0x80, 0x00));
    setTextColor(form->findChild<QWidget *>(QStringLiteral("Label4")),
                 dark ? QColor(0xff, 0x80, 0x80) : QColor(0xff, 0x00, 0x00));
}

void createFormControls(QWidget *form)
{
    // Creation order is the tab order: row by row, the phone boxes with
    // their frame. A check box or option button stands in the frame that
    // holds it, and takes the frame's font.
    QList<QWidget *> frames;
    auto *noCompletion = new QCompleter(form);
    for (const FormControl &c : formControls()) {
        const QRect place = pixels(c);
        QWidget *parent = form;
        if (c.kind == ControlKind::Check || c.kind == ControlKind::Option) {
            for (QWidget *frame : std::as_const(frames))
                if (frame->geometry().contains(place))
                    parent = frame;
        }
        QWidget *w = create(c, parent, toU16(parent == form ? QString() : parent->objectName()),
                            parent == form ? QPoint() : parent->pos(), noCompletion);
        if (c.kind != ControlKind::Frame)
            continue;
        frames << w;
        if (isSmallFrame(c.name))
            w->setFont(fontOf(SmallPoints));
        if (c.name == PhoneFrame)
            createPhoneBoxes(w);
    }
    auto *visible = new VisibleIndicatorStyle;
    visible->setParent(form);
    for (const char *name : {"Check1", "Check3", "Option1_0", "Option1_1"})
        form->findChild<QWidget *>(QLatin1String(name))->setStyle(visible);
    translateFormControls(form);
    applyFormColours(form, form->palette());
}

void translateFormControls(QWidget *form)
{
    QList<FormControl> controls(formControls().begin(), formControls().end());
    for (int k = 0; k < wire::PhoneSlotCount; ++k)
        controls << phoneBox(k);
    for (const FormControl &c : std::as_const(controls)) {
        QWidget *w = form->findChild<QWidget *>(toQString(c.name));
        const QString caption = toQString(captionOf(c));
        if (auto *label = qobject_cast<QLabel *>(w))
            label->setText(caption);
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            button->setText(caption);
    }
    describeControls(form);
}

void fitCaptions(QWidget *form)
{
    for (QWidget *w : form->findChildren<QWidget *>())
        // A hidden control (设置探头告警下限) keeps its caption as it is.
        if (w->property(CaptionPoints).isValid() && w->isVisibleTo(form))
            fitCaption(w);
}

QFont formFont()
{
    // SimSun where it is installed; otherwise a CJK face that is, so that no
    // caption falls back to empty boxes. Resolved once: a list of families,
    // most of them missing, costs a lookup of each in every widget.
    static const QString family = [] {
        const QStringList candidates = {
            QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
            QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"), QStringLiteral("Droid Sans Fallback"),
        };
        // (hasFamily() would ask fontconfig to resolve each missing name.)
        const QStringList installed = QFontDatabase::families();
        for (const QString &candidate : candidates)
            if (installed.contains(candidate, Qt::CaseInsensitive))
                return candidate;
        return QString();
    }();
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSizeF(BodyPoints);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QList<ControlPlace> formControlPlaces()
{
    QList<ControlPlace> places;
    for (const FormControl &c : formControls())
        places.append({toQString(c.name), pixels(c)});
    for (int k = 0; k < wire::PhoneSlotCount; ++k)
        places.append({toQString(phoneBox(k).name), pixels(phoneBox(k))});
    return places;
}

QString rowButtonOf(const QString &control)
{
    return toQString(smscfg::rowButtonOf(toU16(control)));
}

}  // namespace smscfg
