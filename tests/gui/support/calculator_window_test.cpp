#include "calculator_window_test.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace kalvo {

void CalculatorWindowTest::openWindow(const Program& program)
{
    window = std::make_unique<MainWindow>(program);
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("the window did not become active");
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
