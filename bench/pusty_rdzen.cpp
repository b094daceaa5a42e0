// The floor for the batch export: a bare QCoreApplication program, which ends at once.

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication aplikacja(argc, argv);
}
