#include "calculator_window_test.h"

#include "window_settings.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace kalvo {

void useTestSettings()
{
    static const QTemporaryDir directory;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, directory.path());
}

CalculatorWindowTest::CalculatorWindowTest()
{
    useTestSettings();
}

void CalculatorWindowTest::openWindow(const Program& program)
{
    QFile::remove(windowSettingsFile(program));
    showWindow(program);
}

void CalculatorWindowTest::showWindow(const Program& program)
{
    this->program = &program;
    window = std::make_unique<MainWindow>(program);
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("the window did not become active");
}

// This process keeps a parsed copy of every settings file it wrote; a changed size
// makes the new window parse the file as a new process would.
void CalculatorWindowTest::reopenWindow()
{
    window->close();
    QFile file(windowSettingsFile(*program));
    if (!file.open(QIODevice::Append) || file.write("\n") != 1)
        qFatal("the settings file cannot be written");
    file.close();
    showWindow(*program);
}

void CalculatorWindowTest::closeWindow()
{
    window.reset();
}

QLineEdit* CalculatorWindowTest::field(int n) const
{
    return child<QLineEdit>(QStringLiteral("lineEdit_%1").arg(n));
}

QLabel* CalculatorWindowTest::label(int n) const
{
    return child<QLabel>(QStringLiteral("label_%1").arg(n));
}

QLabel* CalculatorWindowTest::picture(int n) const
{
    return child<QLabel>(QStringLiteral("label_pic%1").arg(n));
}

QRadioButton* CalculatorWindowTest::radioButton(int n) const
{
    return child<QRadioButton>(QStringLiteral("radioButton_%1").arg(n));
}

QString CalculatorWindowTest::panelText() const
{
    return child<QPlainTextEdit>(QStringLiteral("TextEditOut"))->toPlainText();
}

QStringList CalculatorWindowTest::fieldTexts(int count) const
{
    QStringList texts;
    for (int n = 1; n <= count; ++n)
        texts.append(field(n)->text());
    return texts;
}

void CalculatorWindowTest::typeInto(int n, const QString& text)
{
    QLineEdit* edit = field(n);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void CalculatorWindowTest::clickTopology(int n)
{
    QRadioButton* button = radioButton(n);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void CalculatorWindowTest::clickGo()
{
    QTest::mouseClick(child<QPushButton>(QStringLiteral("pbGo")), Qt::LeftButton);
}

void CalculatorWindowTest::toggleMoreDigits()
{
    std::unique_ptr<QMenu> menu(window->createResultMenu());
    menu->actions().last()->trigger();
}

} // namespace kalvo
