#include "main_window.h"
#include "xy_program.h"

int main(int argc, char** argv)
{
    return kalvo::runCalculatorProgram(argc, argv, kalvo::xyProgram());
}
