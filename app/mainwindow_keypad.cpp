// On-screen keyboard: typed text for the signal search and the driver details.

#include "app/mainwindow.h"

#include <QDebug>
#include <QLabel>
#include <QPushButton>

#include <exception>

void MainWindow::keypad_open(bool open)
{
    QWidget* kb = W(QStringLiteral("keypad_groupbox"));
    if (!kb)
        return;
    if (!open) {
        kb->hide();
        return;
    }
    Keypad_Text.clear();
    if (auto* l = W<QLabel>(QStringLiteral("keypad_textlabel")))
        l->clear();
    kb->move(2, keypad_position ? nav::kKeyboardTopY : nav::kKeyboardBottomY);
    kb->show();
    kb->raise();
}

void MainWindow::Keypad_connect_function()
{
    for (const nav::KeyboardKey& k : nav::keyboardKeys()) {
        auto* b = W<QPushButton>(QLatin1String(k.widget));
        if (!b)
            continue;
        const QString name = QLatin1String(k.widget);
        if (name == QLatin1String("keybutton_clear"))
            connect(b, &QPushButton::clicked, this, &MainWindow::Keypad_clear_clicked, Qt::UniqueConnection);
        else if (name == QLatin1String("keybutton_submit"))
            connect(b, &QPushButton::clicked, this, &MainWindow::submit_clicked, Qt::UniqueConnection);
        else if (name == QLatin1String("keypad_position"))
            connect(b, &QPushButton::clicked, this, &MainWindow::keypad_position_clicked, Qt::UniqueConnection);
        else if (name != QLatin1String("keybutton_close")) // wired by name to on_keybutton_close_clicked
            connect(b, &QPushButton::clicked, this, &MainWindow::KeyPad_clicked, Qt::UniqueConnection);
    }
}

void MainWindow::KeyPad_clicked()
{
    if (auto* b = qobject_cast<QAbstractButton*>(sender()))
        KeyPad_Write(b->text());
}

void MainWindow::KeyPad_Write(const QString& text)
{
    Keypad_Text += text;
    if (auto* l = W<QLabel>(QStringLiteral("keypad_textlabel")))
        l->setText(Keypad_Text);
}

void MainWindow::Keypad_clear_clicked()
{
    Keypad_Text.chop(1);
    if (auto* l = W<QLabel>(QStringLiteral("keypad_textlabel")))
        l->setText(Keypad_Text);
}

void MainWindow::submit_clicked()
{
    try {
        Keypad_operation_stage();
    } catch (const std::exception& e) {
        qDebug() << "Exception" << e.what();
    } catch (...) {
        qDebug() << "Different kind of Exception";
    }
    keypad_open(false);
}

void MainWindow::Keypad_operation_stage()
{
    if (Keypad_Stage == 7) {
        if (auto* l = W<QLabel>(QStringLiteral("signal_textlabel")))
            l->setText(Keypad_Text);
        return;
    }
    // Other stages (the driver details rows) belong to the screen that opened
    // the keyboard.
    if (keypadSubmitHandler)
        keypadSubmitHandler(Keypad_Stage, Keypad_Text);
}

void MainWindow::keypad_postion_function(bool top)
{
    keypad_position = top;
    if (QWidget* kb = W(QStringLiteral("keypad_groupbox")))
        kb->move(2, top ? nav::kKeyboardTopY : nav::kKeyboardBottomY);
}

void MainWindow::keypad_position_clicked()
{
    keypad_postion_function(!keypad_position);
}

void MainWindow::on_keybutton_close_clicked()
{
    keypad_open(false);
}

bool MainWindow::signal_kblayout(int x, int y)
{
    const int dy = keypad_position ? nav::kKeyboardTopY - nav::kKeyboardBottomY : 0;
    for (const nav::KeyboardKey& k : nav::keyboardKeys()) {
        if (touch.Check_Click_Pixel(k.x1, k.y1 + dy, k.x2, k.y2 + dy, x, y)) {
            if (auto* b = W<QAbstractButton>(QLatin1String(k.widget)))
                b->click();
            return true;
        }
    }
    return false;
}
