#include "application.h"
#include "stat_window.h"

int main(int argc, char** argv)
{
    return kalvo::runApplication(argc, argv, QStringLiteral(":/pic/LogoMini.svg"),
                                 [] { return std::make_unique<kalvo::stat::MainWindow>(); });
}
