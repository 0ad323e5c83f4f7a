#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

class QIODevice;
class QSocketNotifier;

// One HTTP GET at a time, its body written into a device as it arrives.
//
// Built on libcurl's multi interface and driven by this thread's event loop:
// libcurl names the sockets to watch (one QSocketNotifier per socket and
// direction) and when it wants to be called back (one single-shot QTimer).
// Nothing polls, so an idle client costs no CPU, and the window that runs a
// GET stays responsive without a nested event loop.
//
// The request is HTTP/1.0 with the User-Agent "Mozilla/3.0 (compatible)",
// the Accept header of old browsers, no proxy (the proxy variables of the
// environment are ignored), any local IPv4 address, and only the http and
// https schemes. Redirects are not followed.
//
// A GET fails when no connection can be made, when the status is 400 or
// more, when the answer is anything but 2xx (a redirect included: the body
// of a redirect is not the file asked for), when the body breaks off before
// the length the server announced, when the device refuses a block, and when
// it is aborted.
class HttpCli : public QObject
{
    Q_OBJECT
public:
    static const char *const UserAgent;
    static const char *const Accept;

    explicit HttpCli(QObject *parent = nullptr);
    ~HttpCli() override;

    // Starts a GET of `url` into `sink`, which must stay open until
    // finished. False, with nothing started, while another GET runs or when
    // libcurl refuses the request.
    bool get(const QString &url, QIODevice *sink);
    bool busy() const { return m_easy != nullptr || m_finishPending; }

    // Makes the running GET fail with status 404 and the reason "Connection
    // aborted on request". `finished` follows from the event loop, after the
    // caller has returned. Nothing happens when no GET runs.
    void abort();

    // No socket watched and no timer running: what an idle client must be,
    // so that it costs no CPU.
    bool quiet() const { return m_watches.isEmpty() && !m_timer.isActive(); }

    // Of the last GET: the HTTP status (0 when none arrived) and its reason.
    int statusCode() const { return m_status; }
    QString reasonPhrase() const { return m_reason; }
    // libcurl's description of the last failure, empty after success.
    QString errorText() const { return m_error; }

signals:
    // One header line, without its line end (the status line included).
    void headerData(const QByteArray &line);
    // The headers of a 2xx answer are complete; the body follows.
    void docBegin();
    // A block of the body has been written; `received` counts all so far.
    void docData(qint64 received);
    // The GET is over; `ok` is false for every failure listed above.
    void finished(bool ok);

private:
    // libcurl's callbacks, in the source file.
    friend struct CurlCallbacks;

    bool onHeader(const QByteArray &line);
    bool onBody(const char *data, qint64 size);
    void watch(int socket, int what);
    void unwatch(int socket);
    void socketAction(int socket, int flags);
    void collectFinished();
    void finish(bool ok);
    bool startMulti();
    void releaseEasy();

    void *m_multi = nullptr;     // CURLM
    void *m_easy = nullptr;      // CURL, while a GET runs
    void *m_headers = nullptr;   // curl_slist of the request headers
    QIODevice *m_sink = nullptr;
    QTimer m_timer;
    struct Watch
    {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };
    QHash<int, Watch> m_watches;
    char *m_errorBuffer = nullptr;

    int m_status = 0;
    QString m_reason;
    QString m_error;
    qint64 m_received = 0;
    bool m_inDocument = false;   // the headers of a 2xx answer are complete
    bool m_inCurl = false;       // libcurl is running one of our callbacks
    bool m_abortRequested = false;
    bool m_finishPending = false;
};
