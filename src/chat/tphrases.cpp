#include "tphrases.h"

#include "theme.h"
#include "uitext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

Tphrases::Tphrases(QWidget *mainWindow)
    : GameWindow(QStringLiteral("phrases"), QString(), QSize(368, 265), mainWindow)
{
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Tavlix - Phrase Buttons "), UiText::Role::WindowTitle);
    for (int n = 1; n <= Count; ++n) {
        const int top = 8 + (n - 1) * 22;
        auto *label = new QLabel(this);
        UiText::set(label, staticMetaObject, QT_TR_NOOP("Phrase Button %1:"), UiText::Role::Text, {QString::number(n)});
        label->setGeometry(8, top + 2, 112, 16);
        label->setFont(Theme::arial(12, true));

        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("phrase%1").arg(n));
        box->setGeometry(122, top, 238, 20);
        box->setMaxLength(MaxLength);
        box->setFont(Theme::arial(12));
        UiText::set(box, staticMetaObject, QT_TR_NOOP("Phrase Button %1:"), UiText::Role::AccessibleName, {QString::number(n)});
        label->setBuddy(box);
        // Enter in any box presses Done.
        connect(box, &QLineEdit::returnPressed, this, &Tphrases::button_doneClick);
        m_boxes[n - 1] = box;
    }

    auto *note = new QLabel(this);
    UiText::set(note, staticMetaObject, QT_TR_NOOP("Buttons can only be used once every 2 seconds"));
    note->setObjectName(QStringLiteral("label_note"));
    note->setGeometry(8, 210, 352, 16);
    note->setAlignment(Qt::AlignCenter);
    note->setFont(Theme::arial(12, true));
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    note->setPalette(palette);

    auto *done = new QPushButton(this);
    UiText::set(done, staticMetaObject, QT_TR_NOOP("Done"));
    done->setObjectName(QStringLiteral("button_done"));
    done->setGeometry(148, 234, 72, 24);
    connect(done, &QPushButton::clicked, this, &Tphrases::button_doneClick);
    // Escape closes without keeping the edits, like the close box.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void Tphrases::open(const std::array<QString, Count> &phrases)
{
    for (int n = 1; n <= Count; ++n)
        box(n)->setText(phrases[n - 1]);
    showCentred();
    box(1)->setFocus();
}

void Tphrases::button_doneClick()
{
    std::array<QString, Count> texts;
    for (int n = 1; n <= Count; ++n)
        texts[n - 1] = box(n)->text();
    if (!onDone || onDone(texts))
        close();
}
