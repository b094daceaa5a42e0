// The floor for the batch export: a bare QCoreApplication program linked with the editor's Qt
// libraries (Widgets, hence Gui and Core), which ends at once.

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication aplikacja(argc, argv);
}
