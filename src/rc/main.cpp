#include "main_window.h"
#include "rc_program.h"

int main(int argc, char** argv)
{
    return kalvo::runCalculatorProgram(argc, argv, kalvo::rcProgram());
}
