#include "review_screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPalette>

namespace kalvo::test {

QString reviewScreenshotDirectory()
{
    const QString directory = qEnvironmentVariable("KALVO_SCREENSHOTS");
    if (!directory.isEmpty())
        QDir().mkpath(directory);
    return directory;
}

void underLightAndDarkPalettes(const std::function<void(const QString& suffix)>& save)
{
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    for (const bool isDark : {false, true}) {
        QApplication::setPalette(isDark ? dark : light);
        QCoreApplication::processEvents();
        save(isDark ? QStringLiteral("dark") : QStringLiteral("light"));
    }
    QApplication::setPalette(light);
}

} // namespace kalvo::test
