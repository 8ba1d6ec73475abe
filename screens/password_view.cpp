#include "screens/password_view.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "ui/resources.h"
#include "ui/widget_factory.h"
#include "ui/widget_writer.h"

using namespace ddu_ui;

namespace {

// The box lies at (300, 60) on the window; the keys' touch regions are the
// window rectangles x 342, 459, 576 (112 wide) by y 272, 360, 445, 530
// (86 high). Each key sits inside its region with a small margin.
constexpr QPoint kBoxOrigin(300, 60);
const int kKeyX[3] = {342, 459, 576};
const int kKeyY[4] = {272, 360, 445, 530};

// Grid order of the keys, row by row.
const char* const kKeys[12] = {"b_key1", "b_key2", "b_key3", "b_key4", "b_key5", "b_key6",
                               "b_key7", "b_key8", "b_key9", "b_keyC", "b_key0", "b_keyOK"};
const char* const kKeyText[12] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "C", "0", "OK"};

QRect keyRect(int gridIndex)
{
    const QPoint topLeft = QPoint(kKeyX[gridIndex % 3], kKeyY[gridIndex / 3]) - kBoxOrigin;
    return QRect(topLeft + QPoint(3, 3), QSize(106, 80));
}

} // namespace

PasswordView::PasswordView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("passwordView"));
}

void PasswordView::build(QWidget* root)
{
    QWidget* box = root->findChild<QWidget*>(QStringLiteral("Gpassword"));
    if (!box)
        return;
    label(box, "pwd_header", {40, 28, 325, 54}, QString(), Password_Header_Style)->setAlignment(Qt::AlignCenter);
    // The close button is where its touch region is: (670, 110) on the window.
    button(box, "pwd_close_button", {370, 50, 35, 35}, QStringLiteral("X"), Password_Close_Style);
    label(box, "pwd_line", {20, 92, 380, 3}, QString(), Password_Line_Style);
    QLabel* info = label(box, "pwd_info", {20, 98, 380, 58}, QString(), Password_Info_Style);
    info->setAlignment(Qt::AlignCenter);
    info->setWordWrap(true);
    auto* text = named(new QLineEdit(box), "pwd_text_maint", QRect(42, 160, 336, 44));
    text->setReadOnly(true);
    text->setFocusPolicy(Qt::NoFocus);
    text->setAlignment(Qt::AlignCenter);
    text->setEchoMode(QLineEdit::Password);
    text->setStyleSheet(Password_Text_Style);
    for (int k = 0; k < 12; ++k)
        button(box, kKeys[k], keyRect(k), QLatin1String(kKeyText[k]), Password_Button_Style);
}

QStringList PasswordView::resolve(QWidget* root)
{
    QStringList missing;
#define PASSWORD_RESOLVE(type, n) ui::findWidget(root, n, #n, missing);
    PASSWORD_WIDGETS(PASSWORD_RESOLVE)
#undef PASSWORD_RESOLVE
    return missing;
}

QAbstractButton* PasswordView::key(int gridIndex) const
{
    QAbstractButton* const keys[12] = {b_key1, b_key2, b_key3, b_key4, b_key5, b_key6,
                                       b_key7, b_key8, b_key9, b_keyC, b_key0, b_keyOK};
    return gridIndex >= 0 && gridIndex < 12 ? keys[gridIndex] : nullptr;
}

void PasswordView::layoutKeys()
{
    for (int k = 0; k < 12; ++k) {
        if (QAbstractButton* b = key(k)) {
            b->setGeometry(keyRect(k));
            ui::putStyle(b, Password_Button_Style);
        }
    }
}

void PasswordView::setHeader(const QString& header)
{
    if (pwd_header)
        pwd_header->setText(header);
}

void PasswordView::open(const QString& info)
{
    if (!Gpassword)
        return;
    Gpassword_blur->setGeometry(0, 0, 1024, 768);
    Gpassword_blur->show();
    Gpassword_blur->raise();
    showTyped(QString());
    Gpassword->setStyleSheet(Password_Box_Style);
    Gpassword->show();
    Gpassword->raise();
    pwd_info->setText(info);
    ui::putStyle(pwd_header, Password_Header_Style);
    ui::putStyle(pwd_line, Password_Line_Style);
    pwd_close_button->setText(QStringLiteral("X"));
}

void PasswordView::showTyped(const QString& typed)
{
    if (!pwd_text_maint)
        return;
    pwd_text_maint->setEchoMode(QLineEdit::Password);
    ui::putStyle(pwd_text_maint, Password_Text_Style);
    pwd_text_maint->setText(typed);
}

void PasswordView::showInvalid(const QString& message)
{
    if (!pwd_text_maint)
        return;
    pwd_text_maint->setEchoMode(QLineEdit::Normal);
    ui::putStyle(pwd_text_maint, Password_Error_Style);
    pwd_text_maint->setText(message);
}

void PasswordView::close()
{
    if (Gpassword)
        Gpassword->hide();
    if (Gpassword_blur)
        Gpassword_blur->hide();
}

bool PasswordView::isOpen() const
{
    return Gpassword && Gpassword->isVisible();
}
