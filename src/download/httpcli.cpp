#include "httpcli.h"

#include "loadedlibrary.h"

#include <QIODevice>
#include <QSocketNotifier>

#include <curl/curl.h>

const char *const HttpCli::UserAgent = "Mozilla/3.0 (compatible)";
const char *const HttpCli::Accept = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";

namespace {

// libcurl and the thirty libraries it brings (TLS, Kerberos, LDAP, SSH, ...)
// are loaded at the first GET, not with the program: they would add
// megabytes and milliseconds to every start, and most games never download.
struct CurlLibrary
{
    decltype(&::curl_global_init) global_init = nullptr;
    decltype(&::curl_multi_init) multi_init = nullptr;
    decltype(&::curl_multi_setopt) multi_setopt = nullptr;
    decltype(&::curl_multi_cleanup) multi_cleanup = nullptr;
    decltype(&::curl_multi_add_handle) multi_add_handle = nullptr;
    decltype(&::curl_multi_remove_handle) multi_remove_handle = nullptr;
    decltype(&::curl_multi_socket_action) multi_socket_action = nullptr;
    decltype(&::curl_multi_info_read) multi_info_read = nullptr;
    decltype(&::curl_easy_init) easy_init = nullptr;
    decltype(&::curl_easy_setopt) easy_setopt = nullptr;
    decltype(&::curl_easy_cleanup) easy_cleanup = nullptr;
    decltype(&::curl_easy_strerror) easy_strerror = nullptr;
    decltype(&::curl_slist_append) slist_append = nullptr;
    decltype(&::curl_slist_free_all) slist_free_all = nullptr;
};

// The loaded library with its global state set up, or null when it cannot
// be loaded (every GET then fails at once).
const CurlLibrary *loadCurl()
{
    static const CurlLibrary *const loaded = []() -> const CurlLibrary * {
        static const LoadedLibrary library("libcurl.so.4");
        static CurlLibrary api;
        const bool complete = library.bind(api.global_init, "curl_global_init")
            && library.bind(api.multi_init, "curl_multi_init")
            && library.bind(api.multi_setopt, "curl_multi_setopt")
            && library.bind(api.multi_cleanup, "curl_multi_cleanup")
            && library.bind(api.multi_add_handle, "curl_multi_add_handle")
            && library.bind(api.multi_remove_handle, "curl_multi_remove_handle")
            && library.bind(api.multi_socket_action, "curl_multi_socket_action")
            && library.bind(api.multi_info_read, "curl_multi_info_read")
            && library.bind(api.easy_init, "curl_easy_init")
            && library.bind(api.easy_setopt, "curl_easy_setopt")
            && library.bind(api.easy_cleanup, "curl_easy_cleanup")
            && library.bind(api.easy_strerror, "curl_easy_strerror")
            && library.bind(api.slist_append, "curl_slist_append")
            && library.bind(api.slist_free_all, "curl_slist_free_all");
        if (!complete || api.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
            return nullptr;
        return &api;
    }();
    return loaded;
}

// Only called once loadCurl() has succeeded (a multi handle exists).
const CurlLibrary &curl()
{
    return *loadCurl();
}

CURLM *multiOf(void *handle) { return static_cast<CURLM *>(handle); }
CURL *easyOf(void *handle) { return static_cast<CURL *>(handle); }

} // namespace

// The functions libcurl calls. They run inside curl_multi_socket_action,
// so they only record and notify; anything that would call back into
// libcurl (an abort) is deferred until libcurl has returned.
struct CurlCallbacks
{
    static int socket(CURL *, curl_socket_t socket, int what, void *self, void *)
    {
        auto *cli = static_cast<HttpCli *>(self);
        if (what == CURL_POLL_REMOVE)
            cli->unwatch(socket);
        else
            cli->watch(socket, what);
        return 0;
    }

    static int timer(CURLM *, long timeoutMs, void *self)
    {
        auto *cli = static_cast<HttpCli *>(self);
        if (timeoutMs < 0)
            cli->m_timer.stop();
        else
            cli->m_timer.start(int(qMin<long>(timeoutMs, 24L * 3600 * 1000)));
        return 0;
    }

    static size_t header(char *data, size_t size, size_t count, void *self)
    {
        const size_t bytes = size * count;
        QByteArray line(data, qsizetype(bytes));
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        return static_cast<HttpCli *>(self)->onHeader(line) ? bytes : 0;
    }

    static size_t write(char *data, size_t size, size_t count, void *self)
    {
        const size_t bytes = size * count;
        return static_cast<HttpCli *>(self)->onBody(data, qint64(bytes)) ? bytes : 0;
    }
};

HttpCli::HttpCli(QObject *parent)
    : QObject(parent)
{
    m_errorBuffer = new char[CURL_ERROR_SIZE]();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { socketAction(CURL_SOCKET_TIMEOUT, 0); });
}

HttpCli::~HttpCli()
{
    releaseEasy();
    if (m_multi)
        curl().multi_cleanup(multiOf(m_multi));
    delete[] m_errorBuffer;
}

bool HttpCli::startMulti()
{
    if (m_multi)
        return true;
    if (!loadCurl())
        return false;
    m_multi = curl().multi_init();
    if (!m_multi)
        return false;
    curl().multi_setopt(multiOf(m_multi), CURLMOPT_SOCKETFUNCTION, &CurlCallbacks::socket);
    curl().multi_setopt(multiOf(m_multi), CURLMOPT_SOCKETDATA, this);
    curl().multi_setopt(multiOf(m_multi), CURLMOPT_TIMERFUNCTION, &CurlCallbacks::timer);
    curl().multi_setopt(multiOf(m_multi), CURLMOPT_TIMERDATA, this);
    return true;
}

bool HttpCli::get(const QString &url, QIODevice *sink)
{
    if (busy() || !sink || !startMulti())
        return false;

    CURL *easy = curl().easy_init();
    if (!easy)
        return false;
    m_easy = easy;
    m_sink = sink;
    m_status = 0;
    m_reason.clear();
    m_error.clear();
    m_received = 0;
    m_inDocument = false;
    m_abortRequested = false;
    m_errorBuffer[0] = '\0';

    curl_slist *headers = curl().slist_append(nullptr, (QByteArray("Accept: ") + Accept).constData());
    m_headers = headers;

    const QByteArray address = url.toUtf8();
    curl().easy_setopt(easy, CURLOPT_URL, address.constData());
    curl().easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl().easy_setopt(easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_0));
    curl().easy_setopt(easy, CURLOPT_USERAGENT, UserAgent);
    curl().easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
    // An empty proxy turns proxies off, the environment's included.
    curl().easy_setopt(easy, CURLOPT_PROXY, "");
    // Any local address; the game speaks IPv4 throughout.
    curl().easy_setopt(easy, CURLOPT_INTERFACE, "host!0.0.0.0");
    curl().easy_setopt(easy, CURLOPT_IPRESOLVE, long(CURL_IPRESOLVE_V4));
    curl().easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
    curl().easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl().easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // No connection outlives its GET, so nothing is watched between GETs.
    curl().easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    // A server that stops sending for a minute ends the GET instead of
    // leaving the window waiting for ever.
    curl().easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, 30L);
    curl().easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl().easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, 60L);
    curl().easy_setopt(easy, CURLOPT_ERRORBUFFER, m_errorBuffer);
    curl().easy_setopt(easy, CURLOPT_HEADERFUNCTION, &CurlCallbacks::header);
    curl().easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl().easy_setopt(easy, CURLOPT_WRITEFUNCTION, &CurlCallbacks::write);
    curl().easy_setopt(easy, CURLOPT_WRITEDATA, this);

    if (curl().multi_add_handle(multiOf(m_multi), easy) != CURLM_OK) {
        releaseEasy();
        return false;
    }
    // Adding the handle asks, through the timer callback, for a first call
    // at once; the connection starts from the event loop.
    return true;
}

void HttpCli::abort()
{
    if (!m_easy || m_abortRequested)
        return;
    m_abortRequested = true;
    if (m_inCurl)
        return; // the next callback refuses its data; libcurl then ends the GET
    releaseEasy();
    m_finishPending = true;
    QTimer::singleShot(0, this, [this] { finish(false); });
}

bool HttpCli::onHeader(const QByteArray &line)
{
    if (m_abortRequested)
        return false;
    if (line.startsWith("HTTP/")) {
        // A status line begins a header block: "HTTP/1.1 200 OK".
        const QList<QByteArray> parts = line.split(' ');
        m_status = parts.size() > 1 ? parts.at(1).toInt() : 0;
        m_reason = QString::fromLatin1(parts.mid(2).join(' '));
        m_inDocument = false;
    }
    if (line.isEmpty()) {
        if (m_status >= 200 && m_status < 300 && !m_inDocument) {
            m_inDocument = true;
            emit docBegin();
        }
        return true;
    }
    emit headerData(line);
    return true;
}

bool HttpCli::onBody(const char *data, qint64 size)
{
    // The body of anything but a 2xx answer is not the file asked for.
    if (m_abortRequested || !m_inDocument)
        return false;
    if (m_sink->write(data, size) != size)
        return false;
    m_received += size;
    emit docData(m_received);
    return true;
}

void HttpCli::watch(int socket, int what)
{
    Watch &w = m_watches[socket];
    const bool wantRead = what == CURL_POLL_IN || what == CURL_POLL_INOUT;
    const bool wantWrite = what == CURL_POLL_OUT || what == CURL_POLL_INOUT;
    auto update = [this, socket](QSocketNotifier *&notifier, bool wanted, QSocketNotifier::Type type, int flag) {
        if (wanted && !notifier) {
            notifier = new QSocketNotifier(qintptr(socket), type, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, socket, flag] { socketAction(socket, flag); });
        } else if (!wanted && notifier) {
            // The notifier may be the one whose signal is running.
            notifier->setEnabled(false);
            notifier->deleteLater();
            notifier = nullptr;
        }
    };
    update(w.read, wantRead, QSocketNotifier::Read, CURL_CSELECT_IN);
    update(w.write, wantWrite, QSocketNotifier::Write, CURL_CSELECT_OUT);
}

void HttpCli::unwatch(int socket)
{
    watch(socket, CURL_POLL_NONE);
    m_watches.remove(socket);
}

void HttpCli::socketAction(int socket, int flags)
{
    // Always handed to libcurl, even between GETs: a socket it still
    // watches must be read or closed by it, or its notifier fires for ever.
    int running = 0;
    m_inCurl = true;
    curl().multi_socket_action(multiOf(m_multi), curl_socket_t(socket), flags, &running);
    m_inCurl = false;
    collectFinished();
    // An abort asked for inside a callback, while libcurl still waits for
    // the server: end the GET now rather than at the next block.
    if (m_easy && m_abortRequested) {
        releaseEasy();
        m_finishPending = true;
        QTimer::singleShot(0, this, [this] { finish(false); });
    }
}

void HttpCli::collectFinished()
{
    int queued = 0;
    while (CURLMsg *message = curl().multi_info_read(multiOf(m_multi), &queued)) {
        if (message->msg != CURLMSG_DONE || message->easy_handle != m_easy)
            continue;
        const CURLcode result = message->data.result;
        if (result != CURLE_OK && !m_abortRequested)
            m_error = QString::fromUtf8(m_errorBuffer[0] ? m_errorBuffer : curl().easy_strerror(result));
        releaseEasy();
        finish(result == CURLE_OK && m_inDocument && !m_abortRequested);
        return;
    }
}

void HttpCli::finish(bool ok)
{
    m_finishPending = false;
    if (m_abortRequested) {
        m_status = 404;
        m_reason = QStringLiteral("Connection aborted on request");
        ok = false;
    }
    m_sink = nullptr;
    emit finished(ok);
}

void HttpCli::releaseEasy()
{
    if (m_easy) {
        curl().multi_remove_handle(multiOf(m_multi), easyOf(m_easy));
        curl().easy_cleanup(easyOf(m_easy));
        m_easy = nullptr;
    }
    if (m_headers)
        curl().slist_free_all(static_cast<curl_slist *>(m_headers));
    m_headers = nullptr;
    m_timer.stop();
}
