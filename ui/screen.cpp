#include "ui/screen.h"

#include <QDebug>
#include <QHash>
#include <QMetaMethod>
#include <QWidget>

namespace ui {

Screen::Screen(ScreenHost& host_, const char* name, QObject* parent)
    : QObject(parent)
    , host(host_)
    , m_name(name)
{
    setObjectName(QLatin1String(name));
}

QWidget* Screen::W(const QString& name) const
{
    QWidget* w = host.widget(name);
    if (!w && !m_reported.contains(name)) {
        m_reported.insert(name);
        qCritical().noquote() << m_name << ": no widget" << name;
    }
    return w;
}

bool Screen::isShown(const QString& name) const
{
    QWidget* w = host.widget(name);
    return w && w->isVisible();
}

bool Screen::hasSlot(const char* signature) const
{
    return metaObject()->indexOfSlot(signature) >= 0;
}

int Screen::connectSlots(QWidget* root)
{
    QHash<QString, QWidget*> byName;
    for (QWidget* w : root->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !byName.contains(w->objectName()))
            byName.insert(w->objectName(), w);

    int connected = 0;
    const QMetaObject* mo = metaObject();
    for (int i = Screen::staticMetaObject.methodOffset(); i < mo->methodCount(); ++i) {
        const QMetaMethod slot = mo->method(i);
        const QByteArray name = slot.name();
        if (slot.methodType() != QMetaMethod::Slot || !name.startsWith("on_"))
            continue;
        // on_<object>_<signal>: object names hold underscores too, so every
        // split is tried, longest object name first.
        bool done = false;
        for (int cut = name.lastIndexOf('_'); cut > 3 && !done; cut = name.lastIndexOf('_', cut - 1)) {
            QWidget* sender = byName.value(QString::fromLatin1(name.mid(3, cut - 3)));
            if (!sender)
                continue;
            const QByteArray signalName = name.mid(cut + 1);
            const QMetaObject* smo = sender->metaObject();
            for (int s = 0; s < smo->methodCount() && !done; ++s) {
                const QMetaMethod signal = smo->method(s);
                if (signal.methodType() != QMetaMethod::Signal || signal.name() != signalName ||
                    !QMetaObject::checkConnectArgs(signal, slot))
                    continue;
                done = static_cast<bool>(connect(sender, signal, this, slot));
            }
        }
        if (done)
            ++connected;
        else {
            m_unwired << QString::fromLatin1(slot.methodSignature());
            qCritical().noquote() << m_name << ": no widget signal for" << slot.methodSignature();
        }
    }
    return connected;
}

} // namespace ui
