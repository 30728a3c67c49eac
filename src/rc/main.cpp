#include "application.h"
#include "main_window.h"
#include "rc_program.h"

int main(int argc, char** argv)
{
    const kalvo::Program& program = kalvo::rcProgram();
    return kalvo::runApplication(argc, argv, QString::fromUtf8(program.iconResource),
                                 [&program] { return std::make_unique<kalvo::MainWindow>(program); });
}
