#include "uitext.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaObject>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

namespace UiText {
namespace {

struct Entry {
    std::function<void(const QString &)> apply;
    const char *context = nullptr;
    const char *source = nullptr;
    QStringList arguments;
};

// Keys below this are the roles; bind() keys are offset above them.
constexpr int BindBase = 100;

void applyRole(QObject *target, Role role, const QString &text)
{
    auto *widget = qobject_cast<QWidget *>(target);
    switch (role) {
    case Role::Text:
        if (auto *menu = qobject_cast<QMenu *>(target))
            menu->setTitle(text);
        else if (auto *action = qobject_cast<QAction *>(target))
            action->setText(text);
        else if (auto *button = qobject_cast<QAbstractButton *>(target))
            button->setText(text);
        else if (auto *label = qobject_cast<QLabel *>(target))
            label->setText(text);
        else if (auto *group = qobject_cast<QGroupBox *>(target))
            group->setTitle(text);
        else if (auto *edit = qobject_cast<QLineEdit *>(target))
            edit->setText(text);
        else if (auto *rich = qobject_cast<QTextEdit *>(target))
            rich->setHtml(text);
        else if (widget)
            widget->setWindowTitle(text);
        break;
    case Role::ToolTip:
        if (auto *action = qobject_cast<QAction *>(target))
            action->setToolTip(text);
        else if (widget)
            widget->setToolTip(text);
        break;
    case Role::AccessibleName:
        if (widget)
            widget->setAccessibleName(text);
        break;
    case Role::AccessibleDescription:
        if (widget)
            widget->setAccessibleDescription(text);
        break;
    case Role::WindowTitle:
        if (widget)
            widget->setWindowTitle(text);
        break;
    case Role::Placeholder:
        if (auto *edit = qobject_cast<QLineEdit *>(target))
            edit->setPlaceholderText(text);
        break;
    }
}

// Re-applies every text when the application's translators change: the
// application object itself receives the LanguageChange event, at once,
// from installTranslator() and removeTranslator().
class Registry : public QObject
{
public:
    Registry() { QCoreApplication::instance()->installEventFilter(this); }

    void put(QObject *target, int key, Entry entry)
    {
        if (!m_entries.contains(target)) {
            connect(target, &QObject::destroyed, this, [this, target] { m_entries.remove(target); });
        }
        entry.apply(translated(entry.context, entry.source, entry.arguments));
        m_entries[target].insert(key, std::move(entry));
    }

    void remove(QObject *target, int key)
    {
        auto it = m_entries.find(target);
        if (it != m_entries.end())
            it->remove(key);
    }

    void applyAll()
    {
        // A text's setter may create or destroy nothing registered, but a
        // copy keeps the walk safe if it does.
        const auto entries = m_entries;
        for (const auto &perTarget : entries) {
            for (const Entry &entry : perTarget)
                entry.apply(translated(entry.context, entry.source, entry.arguments));
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
            applyAll();
        return false;
    }

private:
    QHash<QObject *, QHash<int, Entry>> m_entries;
};

Registry &registry()
{
    // Lives as long as the application object, which it watches.
    static QPointer<Registry> instance;
    if (!instance) {
        instance = new Registry;
        instance->setParent(QCoreApplication::instance());
    }
    return *instance;
}

} // namespace

QString translated(const char *context, const char *source, const QStringList &arguments)
{
    const QString text = QCoreApplication::translate(context, source);
    if (arguments.isEmpty())
        return text;
    // One pass over the text, so an argument that itself holds "%2" (a
    // player's name may) is never filled in again.
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 1 < text.size() && text[i + 1].isDigit()) {
            const int n = text[i + 1].digitValue();
            if (n >= 1 && n <= arguments.size()) {
                out += arguments[n - 1];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

void set(QObject *target, const char *context, const char *source, Role role, const QStringList &arguments)
{
    Entry entry;
    entry.apply = [target, role](const QString &text) { applyRole(target, role, text); };
    entry.context = context;
    entry.source = source;
    entry.arguments = arguments;
    registry().put(target, static_cast<int>(role), std::move(entry));
}

void set(QObject *target, const QMetaObject &context, const char *source, Role role, const QStringList &arguments)
{
    set(target, context.className(), source, role, arguments);
}

void bind(QObject *target, int key, std::function<void(const QString &)> apply, const char *context,
          const char *source, const QStringList &arguments)
{
    Entry entry;
    entry.apply = std::move(apply);
    entry.context = context;
    entry.source = source;
    entry.arguments = arguments;
    registry().put(target, BindBase + key, std::move(entry));
}

void setPlain(QObject *target, const QString &text, Role role)
{
    registry().remove(target, static_cast<int>(role));
    applyRole(target, role, text);
}

void forget(QObject *target, int key)
{
    registry().remove(target, BindBase + key);
}

void retranslateAll()
{
    registry().applyAll();
}

} // namespace UiText
