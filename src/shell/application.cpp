#include "application.h"

#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QPointer>
#include <QUrl>

#include <clocale>

namespace kalvo {

int runApplication(int argc, char** argv, const QString& iconResource,
                   const std::function<std::unique_ptr<QWidget>()>& createWindow)
{
    QApplication application(argc, argv);
    // QApplication adopts the user's locale; numbers in reports and files stay C-formatted.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(QIcon(iconResource));

    // A window may schedule its own deletion (deleteLater); QPointer notices that.
    QPointer<QWidget> window = createWindow().release();
    window->show();
    const int exitCode = QApplication::exec();
    delete window.data();
    return exitCode;
}

QString helpDocumentPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Quennix_Help.pdf");
}

void openHelpDocument()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpDocumentPath()));
}

} // namespace kalvo
