#pragma once

#include <QString>

#include <functional>

// Screenshots for a person to look at, not compared by any test.
namespace kalvo::test {

// The directory named by KALVO_SCREENSHOTS (created), or empty when it is not set.
QString reviewScreenshotDirectory();

// Calls save(suffix) once under the application's light palette (suffix "light") and
// once under a dark one ("dark"), after the widgets have seen the change; restores the
// light palette afterwards.
void underLightAndDarkPalettes(const std::function<void(const QString& suffix)>& save);

} // namespace kalvo::test
