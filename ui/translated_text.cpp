#include "ui/translated_text.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QVariant>

namespace ui {

QString trScreen(const char* text)
{
    return QCoreApplication::translate(kScreenContext, text);
}

namespace {

const char kSourceProperty[] = "dduTrSource";
const char kContextProperty[] = "dduTrContext";

void writeText(QWidget* w, const QString& text)
{
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text() != text)
            l->setText(text);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (b->text() != text)
            b->setText(text);
    }
}

} // namespace

void setTranslatedText(QWidget* widget, const char* context, const char* source)
{
    if (!widget || !context || !source)
        return;
    if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractButton*>(widget))
        return;
    widget->setProperty(kSourceProperty, QByteArray(source));
    widget->setProperty(kContextProperty, QByteArray(context));
    writeText(widget, QCoreApplication::translate(context, source));
}

int retranslateMarked(QWidget* root)
{
    if (!root)
        return 0;
    int count = 0;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const QVariant source = w->property(kSourceProperty);
        if (!source.isValid())
            continue;
        const QByteArray context = w->property(kContextProperty).toByteArray();
        writeText(w, QCoreApplication::translate(context.constData(), source.toByteArray().constData()));
        ++count;
    }
    return count;
}

} // namespace ui
