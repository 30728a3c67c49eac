#include "inductance_program.h"
#include "main_window.h"

int main(int argc, char** argv)
{
    return kalvo::runCalculatorProgram(argc, argv, kalvo::inductanceProgram());
}
