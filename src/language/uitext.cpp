#include "uitext.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMetaObject>
#include <QPointer>
#include <QStyle>
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

// The font size fit() chose last, and the control's own font size it
// started from; a font set by anyone else since is the new own size.
const char *const FittedSize = "uitext_fittedSize";
const char *const OwnSize = "uitext_ownSize";

} // namespace

int textWidth(const QAbstractButton *button)
{
    if (button->text().isEmpty())
        return 0;
    QString shown = button->text();
    shown.remove(QLatin1Char('&'));
    const QStyle *style = button->style();
    const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return button->fontMetrics().horizontalAdvance(shown) + margins + icon;
}

namespace {

bool inLayout(const QWidget *control)
{
    const QWidget *parent = control->parentWidget();
    return parent && parent->layout() && parent->layout()->indexOf(control) >= 0;
}

qreal sizeOf(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

void setSize(QFont &font, qreal size, bool pixels)
{
    if (pixels)
        font.setPixelSize(qMax(1, qRound(size)));
    else
        font.setPointSizeF(size);
}

bool overflows(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return false;
        if (label->wordWrap())
            return label->heightForWidth(label->width()) > label->height();
        QString shown = label->text();
        if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(shown))
            return false; // rich text lays itself out
        shown.remove(QLatin1Char('&'));
        return label->fontMetrics().horizontalAdvance(shown) > label->contentsRect().width();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return textWidth(button) > button->width();
    return false;
}

// Re-fits a control whenever its size or visibility changes.
class FitWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
            fit(static_cast<QWidget *>(watched));
        return false;
    }
};

void watchFit(QObject *target)
{
    auto *control = qobject_cast<QWidget *>(target);
    if (!control || control->isWindow() || control->property(OwnSize).isValid())
        return;
    if (!qobject_cast<QLabel *>(control) && !qobject_cast<QAbstractButton *>(control))
        return;
    control->setProperty(OwnSize, sizeOf(control->font()));
    control->installEventFilter(new FitWatcher(control));
}

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

void fit(QWidget *control)
{
    if (!control)
        return;
    QFont font = control->font();
    const bool pixels = font.pixelSize() > 0;
    qreal own = control->property(OwnSize).toReal();
    const QVariant fitted = control->property(FittedSize);
    if (own <= 0 || !fitted.isValid() || !qFuzzyCompare(fitted.toReal(), sizeOf(font)))
        own = sizeOf(font); // first fit, or someone else set the font since
    control->setProperty(OwnSize, own);
    setSize(font, own, pixels);
    control->setFont(font);
    // A control in a layout grows instead. One whose text was set before it
    // joined its layout, at the size of a new widget, has its font back.
    if (inLayout(control)) {
        control->setProperty(FittedSize, own);
        return;
    }
    const qreal floor = own * 0.55;
    qreal size = own;
    while (overflows(control) && size - 0.5 >= floor) {
        size -= pixels ? 1.0 : 0.5;
        setSize(font, size, pixels);
        control->setFont(font);
    }
    control->setProperty(FittedSize, sizeOf(control->font()));
}

QString translated(const char *context, const char *source, const QStringList &arguments)
{
    if (!source)
        return {};
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
    entry.apply = [target, role](const QString &text) {
        applyRole(target, role, text);
        if (role == Role::Text)
            fit(qobject_cast<QWidget *>(target));
    };
    if (role == Role::Text)
        watchFit(target);
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

void onChange(QObject *target, int key, std::function<void()> retell)
{
    Entry entry;
    entry.apply = [retell = std::move(retell)](const QString &) { retell(); };
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
