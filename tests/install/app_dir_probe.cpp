// Prints QCoreApplication::applicationDirPath(), the directory in which every Kalvo
// program looks for its help document. The install test starts it through a symbolic
// link, as the links in bin/ start the installed programs.

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTextStream(stdout) << QCoreApplication::applicationDirPath() << '\n';
    return 0;
}
