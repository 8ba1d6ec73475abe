// The on-screen keyboard: see keyboard_screen.h.

#include "screens/keyboard_screen.h"

#include <QAbstractButton>
#include <QDebug>
#include <QHash>
#include <QLabel>
#include <QPushButton>

#include <exception>

#include "input/navigation.h"
#include "ui/look.h"
#include "ui/translated_text.h"
#include "ui/widget_factory.h"

using namespace ddu_ui;

KeyboardScreen::KeyboardScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "on-screen keyboard", parent)
{
}

void KeyboardScreen::build(QWidget* root)
{
    // 1020 x 321; keys at the rectangles of its touch layout.
    auto* kb = group(root, "keypad_groupbox", {2, nav::kKeyboardBottomY, 1020, 321}, look::KeyboardPanel);
    const QPoint origin(2, nav::kKeyboardBottomY);
    auto keyText = [](const QString& name) -> QString {
        static const QHash<QString, QString> symbols = {
            {QStringLiteral("keybutton_quesmark"), QStringLiteral("?")},
            {QStringLiteral("keybutton_slash"), QStringLiteral("/")},
            {QStringLiteral("keybutton_at"), QStringLiteral("@")},
            {QStringLiteral("keybutton_star"), QStringLiteral("*")},
            {QStringLiteral("keybutton_percentage"), QStringLiteral("%")},
            {QStringLiteral("keybutton_hyphen"), QStringLiteral("-")},
            {QStringLiteral("keybutton_hash"), QStringLiteral("#")},
            {QStringLiteral("keybutton_exclamatory"), QStringLiteral("!")},
            {QStringLiteral("keybutton_clear"), QStringLiteral("CLEAR")},
            {QStringLiteral("keybutton_submit"), QStringLiteral("SUBMIT")},
            {QStringLiteral("keybutton_close"), QStringLiteral("X")},
            {QStringLiteral("keypad_position"), QString()},
        };
        auto it = symbols.constFind(name);
        if (it != symbols.constEnd())
            return it.value();
        return name.mid(QStringLiteral("keybutton_").size()); // letter or digit
    };
    for (const nav::KeyboardKey& k : nav::keyboardKeys()) {
        const QString name = QLatin1String(k.widget);
        QRect r(QPoint(k.x1, k.y1) - origin, QPoint(k.x2, k.y2) - origin - QPoint(1, 1));
        if (name == QLatin1String("keybutton_close"))
            r = QRect(960, 2, 50, 50);
        else if (name == QLatin1String("keypad_position"))
            r = QRect(2, 2, 50, 50);
        QAbstractButton* key = button(kb, k.widget, r, keyText(name), Keyboard_Key_Style);
        // The two word keys follow a change of language (ui::retranslateMarked).
        if (name == QLatin1String("keybutton_clear"))
            ui::setTranslatedText(key, "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "CLEAR"));
        else if (name == QLatin1String("keybutton_submit"))
            ui::setTranslatedText(key, "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "SUBMIT"));
    }
    auto* text = label(kb, "keypad_textlabel", {70, 6, 870, 44}, QString(), look::KeyboardText);
    text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    kb->hide();
}

void KeyboardScreen::attach(QWidget* root)
{
    m_group = root->findChild<QWidget*>(QStringLiteral("keypad_groupbox"));
    m_text = root->findChild<QLabel*>(QStringLiteral("keypad_textlabel"));
    if (!m_group || !m_text)
        qCritical().noquote() << "on-screen keyboard: no widget" << (m_group ? "keypad_textlabel" : "keypad_groupbox");
}

void KeyboardScreen::Keypad_connect_function()
{
    for (const nav::KeyboardKey& k : nav::keyboardKeys()) {
        auto* b = W<QPushButton>(QLatin1String(k.widget));
        if (!b)
            continue;
        const QString name = QLatin1String(k.widget);
        if (name == QLatin1String("keybutton_clear"))
            connect(b, &QPushButton::clicked, this, &KeyboardScreen::Keypad_clear_clicked, Qt::UniqueConnection);
        else if (name == QLatin1String("keybutton_submit"))
            connect(b, &QPushButton::clicked, this, &KeyboardScreen::submit_clicked, Qt::UniqueConnection);
        else if (name == QLatin1String("keypad_position"))
            connect(b, &QPushButton::clicked, this, &KeyboardScreen::keypad_position_clicked, Qt::UniqueConnection);
        else if (name != QLatin1String("keybutton_close")) // wired by name to on_keybutton_close_clicked
            connect(b, &QPushButton::clicked, this, &KeyboardScreen::KeyPad_clicked, Qt::UniqueConnection);
    }
}

void KeyboardScreen::open(int stage, Submit onSubmit)
{
    m_onSubmit = std::move(onSubmit);
    Keypad_Stage = stage;
    keypad_open(true);
}

void KeyboardScreen::keypad_open(bool open)
{
    if (!m_group)
        return;
    if (!open) {
        m_group->hide();
        return;
    }
    Keypad_Text.clear();
    m_text->clear();
    m_group->move(2, keypad_position ? nav::kKeyboardTopY : nav::kKeyboardBottomY);
    m_group->show();
    m_group->raise();
}

bool KeyboardScreen::isOpen() const
{
    return m_group && m_group->isVisible();
}

void KeyboardScreen::KeyPad_clicked()
{
    if (auto* b = qobject_cast<QAbstractButton*>(sender()))
        KeyPad_Write(b->text());
}

void KeyboardScreen::KeyPad_Write(const QString& text)
{
    Keypad_Text += text;
    if (m_text)
        m_text->setText(Keypad_Text);
}

void KeyboardScreen::Keypad_clear_clicked()
{
    Keypad_Text.chop(1);
    if (m_text)
        m_text->setText(Keypad_Text);
}

void KeyboardScreen::submit_clicked()
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

void KeyboardScreen::Keypad_operation_stage()
{
    if (m_onSubmit)
        m_onSubmit(Keypad_Stage, Keypad_Text);
}

void KeyboardScreen::keypad_postion_function(bool top)
{
    keypad_position = top;
    if (m_group)
        m_group->move(2, top ? nav::kKeyboardTopY : nav::kKeyboardBottomY);
}

void KeyboardScreen::keypad_position_clicked()
{
    keypad_postion_function(!keypad_position);
}

void KeyboardScreen::on_keybutton_close_clicked()
{
    keypad_open(false);
}

bool KeyboardScreen::signal_kblayout(int x, int y, const HitTest& hit)
{
    const int dy = keypad_position ? nav::kKeyboardTopY - nav::kKeyboardBottomY : 0;
    for (const nav::KeyboardKey& k : nav::keyboardKeys()) {
        if (hit(k.x1, k.y1 + dy, k.x2, k.y2 + dy, x, y)) {
            if (auto* b = W<QAbstractButton>(QLatin1String(k.widget)))
                b->click();
            return true;
        }
    }
    return false;
}
