#include "expertthinker.h"

#include <QMetaObject>

ExpertThinker::ExpertThinker(Answer answer) : m_answer(std::move(answer)) {}

ExpertThinker::~ExpertThinker()
{
    // The worker posts to m_receiver only while it runs; once it is joined,
    // m_receiver can go, taking any answer still queued for it along.
    drop();
    join();
}

void ExpertThinker::join()
{
    if (m_worker.joinable())
        m_worker.join();
}

void ExpertThinker::start(const ExpertView &view, std::uint32_t seed)
{
    drop();
    // A dropped search stops within one playout.
    join();
    m_stop = false;
    m_thinking = true;
    const unsigned serial = ++m_serial;
    // The view is copied into the worker: the host's state may change while
    // it thinks.
    m_worker = std::thread([this, view, seed, serial] {
        const std::optional<ExpertMove> move = expertmove(view, seed, &m_stop);
        if (m_stop)
            return;
        QMetaObject::invokeMethod(&m_receiver, [this, serial, move] { finished(serial, move); }, Qt::QueuedConnection);
    });
}

void ExpertThinker::drop()
{
    m_stop = true;
    m_thinking = false;
    ++m_serial;
}

void ExpertThinker::finished(unsigned serial, std::optional<ExpertMove> move)
{
    // The worker's last act was to post this; it is ending, if not gone.
    if (serial == m_serial)
        join();
    if (serial != m_serial || !m_thinking)
        return;
    m_thinking = false;
    m_answer(move);
}
