#include <QApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talmo"));
    QTextStream(stderr) << "Talmo: the main window is not built yet; "
                           "the project model, generators and build tools are tested by scripts/test.sh.\n";
    return 1;
}
