#include "application.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
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

void openHelpDocument(QWidget* parent)
{
    openDocument(helpDocumentPath(), parent);
}

bool openDocument(const QString& path, QWidget* parent)
{
    QString problem;
    if (!QFileInfo::exists(path))
        problem = QObject::tr("The document\n%1\nis missing.");
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        problem = QObject::tr("The desktop has no program that opens the document\n%1");
    else
        return true;
    QWidget* window = parent != nullptr ? parent->window() : QApplication::activeWindow();
    const QString title = window != nullptr ? window->windowTitle() : QApplication::applicationDisplayName();
    QMessageBox::warning(window, title, problem.arg(QDir::toNativeSeparators(path)));
    return false;
}

} // namespace kalvo
