#pragma once
// The password pad's view (screen 24): a box over a full-screen shade with a
// header, an info text, the typed code (masked) and twelve keys (1 to 9, C,
// 0, OK) on the grid of their touch regions, and a close button. The pad's
// screen class (screens/password_screen) drives it; which code a stage asks
// for is screens/settings_logic.

#include <QObject>
#include <QStringList>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

// clang-format off
#define PASSWORD_WIDGETS(X) X(QWidget, Gpassword) X(QWidget, Gpassword_blur) \
    X(QLabel, pwd_header) X(QLabel, pwd_info) X(QLabel, pwd_line) X(QLineEdit, pwd_text_maint) \
    X(QAbstractButton, pwd_close_button) \
    X(QAbstractButton, b_key1) X(QAbstractButton, b_key2) X(QAbstractButton, b_key3) \
    X(QAbstractButton, b_key4) X(QAbstractButton, b_key5) X(QAbstractButton, b_key6) \
    X(QAbstractButton, b_key7) X(QAbstractButton, b_key8) X(QAbstractButton, b_key9) \
    X(QAbstractButton, b_keyC) X(QAbstractButton, b_key0) X(QAbstractButton, b_keyOK)
// clang-format on

class PasswordView : public QObject {
public:
    explicit PasswordView(QObject* parent);

    // Creates the pad's widgets inside `Gpassword` (the box exists with the
    // window's dialogs).
    static void build(QWidget* root);
    // Finds the widgets by name; returns the names missing or of another kind.
    QStringList resolve(QWidget* root);

    // The twelve keys in grid order (row by row: 1 2 3 / 4 5 6 / 7 8 9 / C 0 OK).
    QAbstractButton* key(int gridIndex) const;
    // Places the keys on the grid of their touch regions, in the key style.
    void layoutKeys();

    // The header of the protected action (set before the pad opens).
    void setHeader(const QString& header);
    // Shows the shade and the box with an empty, masked text and `info`.
    void open(const QString& info);
    // The typed code, masked.
    void showTyped(const QString& typed);
    // The refusal, unmasked in the error look.
    void showInvalid(const QString& message);
    // Hides the box and the shade.
    void close();
    bool isOpen() const;

#define PASSWORD_DECLARE(type, n) type* n = nullptr;
    PASSWORD_WIDGETS(PASSWORD_DECLARE)
#undef PASSWORD_DECLARE
};
