#pragma once

#include "commands/form_layout_table.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QWidget;

namespace smscfg {

// Creates every control of the main window (the core's form layout table)
// as a child of `form`, at its place, with its caption and objectName (its
// control name: "Text13", "Check2_0"...).
void createFormControls(QWidget *form);

// Sets every caption, screen-reader name and tooltip of the form in the
// language installed; again after the language changes.
void translateFormControls(QWidget *form);

// Each caption at its designed size where it fits its control; one that does
// not (a longer English one) wraps at its spaces within the control, or
// takes a smaller size, and the control keeps its place and size. Once the
// form has its fonts (it is in the window), and after each translation.
void fitCaptions(QWidget *form);

// The title's and the hint's colours for `palette`: the set green and red on
// a light background, lighter shades on a dark one. Again after the palette
// changes (the window's palette: its children learn of a change after it).
void applyFormColours(QWidget *form, const QPalette &palette);

// Where each control stands on the form, in pixels.
struct ControlPlace {
    QString name;
    QRect geometry;
};
QList<ControlPlace> formControlPlaces();

// The button that Enter in a box presses: the button of the box's row.
// Empty for a control that is not a box.
QString rowButtonOf(const QString &control);

// The window's font: SimSun, or another CJK face where it is missing, at
// BodyPoints. Set on the window before its controls are made, so that they
// inherit it.
QFont formFont();

}  // namespace smscfg
