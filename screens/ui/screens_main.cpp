// valtrane-screens: pictures of the program's windows, built with the tests (scripts/screens).
#include "screens/ui/ScreenTour.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith(QLatin1Char('-'))) {
        QTextStream err(stderr);
        err << "Usage: valtrane-screens FOLDER [SET...]\nWrites PNG pictures of the program's windows into FOLDER. Sets:\n";
        for (const valtrane::screens::PictureSet &set : valtrane::screens::ScreenTour::sets())
            err << "  " << set.name << "   " << set.what << "\n";
        return 2;
    }
    return valtrane::screens::ScreenTour::run(args.first(), args.mid(1));
}
