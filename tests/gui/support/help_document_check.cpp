#include "help_document_check.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QObject>
#include <QtTest>

namespace kalvo::test {
namespace {

// Receives the URLs a window hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

QList<QUrl> fileUrlsOpenedBy(const std::function<void()>& action)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    action();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    return catcher.urls;
}

void verifyF1OpensTheHelpDocument(QWidget* window)
{
    const QList<QUrl> urls = fileUrlsOpenedBy([window] { QTest::keyClick(window, Qt::Key_F1); });
    QCOMPARE(urls.size(), 1);
    QCOMPARE(urls.front(),
             QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/Quennix_Help.pdf")));
}

} // namespace kalvo::test

#include "help_document_check.moc"
