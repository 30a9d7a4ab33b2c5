#include <QApplication>
#include <QFont>

#include "appsetup.h"
#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frankierung::setUpDesignLook();

    frankierung::Form1 form;
    // The load handler arranges to the window's size: give it the screen's first.
    form.setGeometry(frankierung::availableScreenArea());
    form.Form_Load();
    frankierung::showCoveringScreen(form);
    return QApplication::exec();
}
