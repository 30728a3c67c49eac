#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <span>

namespace kalvo::bench {

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

// A window kalvo-bench measures: a program's main window or a plain QMainWindow it is
// compared with.
struct WindowKind {
    const char* name;
    const char* iconResource; // the program's window icon; empty for the bare window
    int (*registerPictures)(); // the program's compiled-in resources; nullptr: none
    WindowFactory create;
};

// The bare QMainWindow first, then one showing a single label, then every program's
// window.
std::span<const WindowKind> windowKinds();
const WindowKind* windowKindNamed(const QString& name);

// kalvo-bench links the resources of every program, several of them under the same
// paths (":/pic/bitmap1.svg"); this leaves only the window's own registered.
void useOwnResources(const WindowKind& kind);

// Notes the first paint event of the window it is installed on. The window's children
// are painted in the same pass, which ends before control returns to the event loop.
class FirstPaintWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool painted() const { return seen; }

Q_SIGNALS:
    void firstPaint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool seen = false;
};

} // namespace kalvo::bench
