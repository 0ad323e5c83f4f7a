#pragma once

#include <QStringList>

#include <functional>

class QAbstractButton;
class QObject;
class QWidget;
struct QMetaObject;

// Texts that follow the player's language. A control's text is set once,
// by its English source text; it is shown translated at once and again
// after every change of language, so no window needs to be built anew.
// The source texts are marked where they are written (QT_TR_NOOP or
// QT_TRANSLATE_NOOP), so lupdate finds them there.
namespace UiText {

enum class Role {
    Text,                  // a label's, button's or item's text, a menu's title
    ToolTip,
    AccessibleName,
    AccessibleDescription,
    WindowTitle,
    Placeholder,           // a line edit's placeholder text
};

// Shows `source`, translated in `context` (the class name, as tr() looks it
// up), in the given role of `target`; `arguments` fill %1, %2, ... after
// translating. Calling it again for the same target and role replaces the
// earlier text.
void set(QObject *target, const char *context, const char *source, Role role = Role::Text,
         const QStringList &arguments = {});
void set(QObject *target, const QMetaObject &context, const char *source, Role role = Role::Text,
         const QStringList &arguments = {});

// The same for a text a control shows through a setter of its own (an
// elided label's full text, say); `key` tells apart several such texts of
// one target.
void bind(QObject *target, int key, std::function<void(const QString &)> apply, const char *context,
          const char *source, const QStringList &arguments = {});

// Runs `retell` after every change of language, for a text a control
// builds from several pieces (a name and a translated word, say); `key`
// as for bind().
void onChange(QObject *target, int key, std::function<void()> retell);

// Sets a text that is not translated (a name, a number, what a player
// typed), so that a change of language leaves it as it is.
void setPlain(QObject *target, const QString &text, Role role = Role::Text);
// Forgets the translated text of `target` in `key` (a bind() key) without
// changing what it shows.
void forget(QObject *target, int key);

// The translation of `source` in `context` with its arguments filled in.
QString translated(const char *context, const char *source, const QStringList &arguments = {});

// A control of fixed size whose text is wider (or, word-wrapped, taller)
// than the control takes a smaller font, down to 55% of its own, rather
// than cut the words; a shorter text gets the control's own font back.
// Texts set through set() are fitted by themselves, when set and when the
// control is resized or shown; controls in a layout grow instead.
void fit(QWidget *control);
// The width a button needs for its text: the text, its icon and the
// style's margins (a style's minimum button width aside).
int textWidth(const QAbstractButton *button);

// Shows every registered text again in the current language. Runs by
// itself whenever the application's translators change.
void retranslateAll();

} // namespace UiText
