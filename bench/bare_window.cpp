// The baseline for the start-up benchmark: a bare Qt Widgets window with one
// Chinese label, ending at its first paint.
#include "first_paint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("短信报警控制器设置"));
    new QuitAfterFirstPaint(&label);
    label.show();
    return app.exec();
}
