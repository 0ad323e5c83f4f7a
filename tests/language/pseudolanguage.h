#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTranslator>
#include <QWidget>

#include "uitext.h"

#include <gtest/gtest.h>

// No problems, or each of them on a line of its own.
inline ::testing::AssertionResult none(const QStringList &problems)
{
    if (problems.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << problems.join(QLatin1Char('\n')).toStdString();
}

// The pseudo-language of the build: every text in brackets, accented and
// 40% longer. Installed for the life of the fixture.
class PseudoLanguage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(translator.load(QStringLiteral(TAVLIX_PSEUDO_QM))) << TAVLIX_PSEUDO_QM;
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }

    QTranslator translator;
};

// A text the program itself wrote: it must come out of a translation. Data
// (numbers, the version, the web address, the phrase buttons' P1 to P9, the
// languages' own names) carries no words to translate.
inline bool isData(const QString &text)
{
    static const QRegularExpression data(QStringLiteral(
        "^([-+\\d\\s.:/,]*|:\\)#\\d\\d|www\\.orvelsoftware\\.com|P\\d|&?\\d&?\\d?|http://www\\.orvelsoftware\\.com)$"));
    return data.match(text).hasMatch();
}

inline bool isPseudo(const QString &text)
{
    return text.contains(QLatin1Char('[')) || isData(text);
}

inline QString describe(const QWidget *w)
{
    return QStringLiteral("%1 %2 in %3").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                                             w->window()->objectName());
}

// Every text a person sees in `window` and the controls that do not hold
// their text: the problems found, one line each.
inline QStringList textProblems(QWidget *window)
{
    QStringList problems;
    const auto check = [&problems](const QWidget *w, const QString &what, const QString &text) {
        if (!text.isEmpty() && !isPseudo(text))
            problems << QStringLiteral("%1: %2 not translated: \"%3\"").arg(describe(w), what, text);
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        if (w->isWindow())
            check(w, QStringLiteral("title"), w->windowTitle());
        check(w, QStringLiteral("accessible name"), w->accessibleName());
        check(w, QStringLiteral("accessible description"), w->accessibleDescription());
        if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull()) {
            const QString text = label->text();
            check(w, QStringLiteral("text"), text);
            if (text.contains(QChar(0x2026)))
                problems << QStringLiteral("%1: text cut: \"%2\"").arg(describe(w), text);
            else if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                problems << QStringLiteral("%1: wrapped text taller than %2 px: \"%3\"")
                                .arg(describe(w)).arg(label->height()).arg(text);
            else if (!label->wordWrap() && !Qt::mightBeRichText(text) && !label->parentWidget()->layout()
                     && label->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')))
                            > label->contentsRect().width())
                problems << QStringLiteral("%1: text wider than %2 px: \"%3\"")
                                .arg(describe(w)).arg(label->contentsRect().width()).arg(text);
        }
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            check(w, QStringLiteral("text"), button->text());
            if (UiText::textWidth(button) > button->width())
                problems << QStringLiteral("%1: button %2 px narrower than its text \"%3\"")
                                .arg(describe(w)).arg(UiText::textWidth(button) - button->width()).arg(button->text());
        }
        if (auto *browser = qobject_cast<QTextBrowser *>(w))
            check(w, QStringLiteral("page"), browser->toPlainText().trimmed());
        if (auto *menu = qobject_cast<QMenu *>(w)) {
            check(w, QStringLiteral("title"), menu->title());
            for (const QAction *item : menu->actions()) {
                if (!item->isSeparator() && !item->objectName().startsWith(QLatin1String("Language_")))
                    check(w, QStringLiteral("item ") + item->objectName(), item->text());
            }
        }
    }
    // Menus are windows of their own, children of the window.
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        check(menu, QStringLiteral("title"), menu->title());
        for (const QAction *item : menu->actions()) {
            if (!item->isSeparator() && !item->objectName().startsWith(QLatin1String("Language_")))
                check(menu, QStringLiteral("item ") + item->objectName(), item->text());
        }
    }
    return problems;
}
