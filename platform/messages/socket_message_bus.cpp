#include "platform/messages/socket_message_bus.h"

#include "platform/messages/socket_folder.h"
#include "platform/messages/wire_frame.h"

#include <QMetaObject>
#include <QObject>
#include <QSocketNotifier>
#include <QtGlobal>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <deque>
#include <map>
#include <optional>
#include <poll.h>
#include <random>
#include <set>
#include <sys/socket.h>
#include <unistd.h>

namespace qb {

namespace {

using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(left);
}

// Wait for events on one descriptor until deadline; false on timeout.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int rc = ::poll(&p, 1, msLeft(deadline));
        if (rc > 0) return true;
        if (rc == 0) return false;
        if (errno != EINTR) return true;  // let the following read or write report it
    }
}

// Write what the socket takes now. False when the connection is broken.
bool writeSome(int fd, std::string& data, std::size_t& pos) {
    while (pos < data.size()) {
        const ssize_t r = ::send(fd, data.data() + pos, data.size() - pos, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (r > 0) {
            pos += static_cast<std::size_t>(r);
        } else if (r < 0 && errno == EINTR) {
            continue;
        } else if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            break;
        } else {
            return false;
        }
    }
    if (pos == data.size()) {
        data.clear();
        pos = 0;
    } else if (pos > (1u << 20) && pos * 2 > data.size()) {
        data.erase(0, pos);
        pos = 0;
    }
    return true;
}

// Disable a notifier and let Qt delete it once control is back in the loop
// (it may be the one whose signal is running right now).
void retire(std::unique_ptr<QSocketNotifier>& n) {
    if (!n) return;
    n->setEnabled(false);
    n.release()->deleteLater();
}

}  // namespace

struct SocketMessageBus::Impl {
    struct Window {
        std::string caption;
        std::string path;
        int listenFd = -1;
        std::unique_ptr<QSocketNotifier> acceptNotifier;
        std::shared_ptr<Handler> handler;
    };
    // A connection some sender opened to one of our windows.
    struct Incoming {
        int fd = -1;
        WindowHandle window = 0;
        std::string in;
        std::string out;  // replies the socket has not taken yet
        std::size_t outPos = 0;
        std::uint64_t nextSyncSeq = 0;   // numbers the synchronous frames read
        std::uint64_t nextReplySeq = 0;  // the one whose reply goes out next
        std::map<std::uint64_t, std::int32_t> heldReplies;
        std::unique_ptr<QSocketNotifier> readNotifier;
        std::unique_ptr<QSocketNotifier> writeNotifier;
    };
    // Our connection to another program's window.
    struct Outgoing {
        int fd = -1;
        std::string out;
        std::size_t outPos = 0;
        std::string replies;
        int abandonedReplies = 0;  // replies of sends that gave up waiting
        std::unique_ptr<QSocketNotifier> writeNotifier;
        std::size_t pending() const { return out.size() - outPos; }
    };
    struct Delivery {
        WindowHandle window = 0;
        std::uint64_t conn = 0;  // 0: posted by this program to its own window
        std::uint64_t syncSeq = 0;
        WindowMessage msg;
    };

    Options opt;
    QObject context;
    std::map<WindowHandle, Window> windows;
    std::map<std::uint64_t, Incoming> incoming;
    std::uint64_t nextConn = 1;
    std::map<WindowHandle, Outgoing> outgoing;
    std::deque<Delivery> inbox;
    bool drainScheduled = false;
    std::mt19937 rng;

    explicit Impl(Options o) : opt(std::move(o)) {
        if (opt.folder.empty()) opt.folder = messages::defaultSocketFolder();
        std::random_device rd;
        rng.seed(rd() ^ static_cast<unsigned>(::getpid()) ^ static_cast<unsigned>(std::time(nullptr)));
    }

    ~Impl() {
        flush(opt.exitFlushMs);
        for (auto& [h, o] : outgoing) ::close(o.fd);
        outgoing.clear();
        for (auto& [id, c] : incoming) ::close(c.fd);
        incoming.clear();
        for (auto& [h, w] : windows) {
            ::close(w.listenFd);
            ::unlink(w.path.c_str());
        }
        windows.clear();
    }

    // ---- receiving ----

    void closeIncoming(std::uint64_t id) {
        auto it = incoming.find(id);
        if (it == incoming.end()) return;
        retire(it->second.readNotifier);
        retire(it->second.writeNotifier);
        ::close(it->second.fd);
        incoming.erase(it);
    }

    void onAccept(WindowHandle h) {
        auto w = windows.find(h);
        if (w == windows.end()) return;
        for (;;) {
            const int fd = ::accept4(w->second.listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0) {
                if (errno == EINTR) continue;
                return;  // EAGAIN, or out of descriptors: the rest wait in the queue
            }
            const std::uint64_t id = nextConn++;
            Incoming& c = incoming[id];
            c.fd = fd;
            c.window = h;
            c.readNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read, &context);
            QObject::connect(c.readNotifier.get(), &QSocketNotifier::activated, &context,
                             [this, id] { onReadable(id); });
        }
    }

    void onReadable(std::uint64_t id) {
        auto it = incoming.find(id);
        if (it == incoming.end()) return;
        Incoming& c = it->second;
        char buf[65536];
        const ssize_t r = ::recv(c.fd, buf, sizeof buf, 0);
        if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
        if (r <= 0) {
            closeIncoming(id);  // the sender is gone; a partial frame is dropped
            drain();
            return;
        }
        c.in.append(buf, static_cast<std::size_t>(r));
        std::size_t at = 0;
        bool broken = false;
        for (;;) {
            if (at == c.in.size()) break;
            Delivery d;
            std::size_t used = 0;
            const auto status = messages::decodeFrame(std::string_view(c.in).substr(at), d.msg, used);
            if (status == messages::FrameStatus::NeedMore) break;
            if (status == messages::FrameStatus::Broken) {
                broken = true;
                break;
            }
            at += used;
            d.window = c.window;
            d.conn = id;
            if (d.msg.synchronous) d.syncSeq = c.nextSyncSeq++;
            inbox.push_back(std::move(d));
        }
        if (broken) {
            qWarning("quillbrook messages: broken frame from a sender, connection dropped");
            closeIncoming(id);
        } else {
            c.in.erase(0, at);
        }
        drain();
    }

    // Run the handlers of waiting messages in arrival order. A handler that
    // lets pending events run may get here again; it then goes on with the
    // next message, as a nested message loop would.
    void drain() {
        while (!inbox.empty()) {
            Delivery d = std::move(inbox.front());
            inbox.pop_front();
            auto w = windows.find(d.window);
            if (w == windows.end()) continue;
            const std::shared_ptr<Handler> handler = w->second.handler;
            const std::int32_t result = (*handler)(d.msg);
            if (d.msg.synchronous && d.conn != 0) reply(d.conn, d.syncSeq, result);
        }
    }

    void scheduleDrain() {
        if (drainScheduled) return;
        drainScheduled = true;
        QMetaObject::invokeMethod(&context, [this] {
            drainScheduled = false;
            drain();
        }, Qt::QueuedConnection);
    }

    // Replies leave in the order of their frames, even when a nested loop
    // finished a later handler first.
    void reply(std::uint64_t id, std::uint64_t seq, std::int32_t result) {
        auto it = incoming.find(id);
        if (it == incoming.end()) return;
        Incoming& c = it->second;
        c.heldReplies[seq] = result;
        for (auto h = c.heldReplies.find(c.nextReplySeq); h != c.heldReplies.end();
             h = c.heldReplies.find(c.nextReplySeq)) {
            c.out += messages::encodeReply(h->second);
            c.heldReplies.erase(h);
            ++c.nextReplySeq;
        }
        writeReplies(id);
    }

    void writeReplies(std::uint64_t id) {
        auto it = incoming.find(id);
        if (it == incoming.end()) return;
        Incoming& c = it->second;
        if (!writeSome(c.fd, c.out, c.outPos)) {
            closeIncoming(id);
            return;
        }
        const bool left = c.outPos < c.out.size();
        if (left && !c.writeNotifier) {
            c.writeNotifier = std::make_unique<QSocketNotifier>(c.fd, QSocketNotifier::Write, &context);
            QObject::connect(c.writeNotifier.get(), &QSocketNotifier::activated, &context,
                             [this, id] { writeReplies(id); });
        }
        if (c.writeNotifier) c.writeNotifier->setEnabled(left);
    }

    // ---- sending ----

    void closeOutgoing(WindowHandle h) {
        auto it = outgoing.find(h);
        if (it == outgoing.end()) return;
        retire(it->second.writeNotifier);
        ::close(it->second.fd);
        outgoing.erase(it);
    }

    static bool peerClosed(int fd) {
        pollfd p{fd, POLLRDHUP, 0};
        return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLRDHUP | POLLNVAL)) != 0;
    }

    Outgoing& addOutgoing(WindowHandle h, int fd) {
        Outgoing& o = outgoing[h];
        o.fd = fd;
        return o;
    }

    // The connection to window h, made when there is none yet.
    Outgoing* connectionTo(WindowHandle h) {
        auto it = outgoing.find(h);
        if (it != outgoing.end()) return &it->second;
        for (const auto& e : messages::listSockets(opt.folder)) {
            if (e.handle != h) continue;
            int fd = -1;
            if (messages::connectSocket(e.path, fd) == messages::ConnectResult::Connected)
                return &addOutgoing(h, fd);
            return nullptr;
        }
        return nullptr;
    }

    // Write what can go now; keep the rest for the loop. False when broken.
    bool pushOut(WindowHandle h) {
        auto it = outgoing.find(h);
        if (it == outgoing.end()) return false;
        Outgoing& o = it->second;
        if (!writeSome(o.fd, o.out, o.outPos)) {
            closeOutgoing(h);
            return false;
        }
        const bool left = o.pending() > 0;
        if (left && !o.writeNotifier) {
            o.writeNotifier = std::make_unique<QSocketNotifier>(o.fd, QSocketNotifier::Write, &context);
            QObject::connect(o.writeNotifier.get(), &QSocketNotifier::activated, &context,
                             [this, h] { pushOut(h); });
        }
        if (o.writeNotifier) o.writeNotifier->setEnabled(left);
        return true;
    }

    bool post(WindowHandle to, WindowMessage msg) {
        if (to == 0) return false;
        if (windows.count(to)) {
            inbox.push_back(Delivery{to, 0, 0, std::move(msg)});
            scheduleDrain();
            return true;
        }
        Outgoing* o = connectionTo(to);
        if (!o) return false;
        const std::string frame = messages::encodeFrame(msg);
        if (o->pending() + frame.size() > opt.maxPendingBytes) return false;
        o->out += frame;
        return pushOut(to);
    }

    std::optional<std::int32_t> send(WindowHandle to, WindowMessage msg) {
        if (to == 0) return std::nullopt;
        msg.synchronous = true;
        if (auto w = windows.find(to); w != windows.end()) {
            const std::shared_ptr<Handler> handler = w->second.handler;
            return (*handler)(msg);
        }
        Outgoing* o = connectionTo(to);
        if (!o) return std::nullopt;
        o->out += messages::encodeFrame(msg);
        const auto deadline = Clock::now() + std::chrono::milliseconds(opt.sendTimeoutMs);
        for (;;) {
            if (!pushOut(to)) return std::nullopt;
            if (o->pending() == 0) break;
            if (!waitFor(o->fd, POLLOUT, deadline)) {
                ++o->abandonedReplies;  // the frame is still written later, whole
                return std::nullopt;
            }
        }
        const std::size_t need = messages::kReplyBytes * static_cast<std::size_t>(o->abandonedReplies + 1);
        while (o->replies.size() < need) {
            char buf[256];
            const ssize_t r = ::recv(o->fd, buf, std::min(sizeof buf, need - o->replies.size()), MSG_DONTWAIT);
            if (r > 0) {
                o->replies.append(buf, static_cast<std::size_t>(r));
            } else if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
                if (!waitFor(o->fd, POLLIN, deadline)) {
                    ++o->abandonedReplies;
                    return std::nullopt;
                }
            } else {
                closeOutgoing(to);  // the window went away before it answered
                return std::nullopt;
            }
        }
        const std::int32_t result = messages::decodeReply(std::string_view(o->replies).substr(need - messages::kReplyBytes));
        o->replies.clear();
        o->abandonedReplies = 0;
        return result;
    }

    bool flush(int ms) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(ms < 0 ? 0 : ms);
        for (;;) {
            std::vector<pollfd> waiting;
            std::vector<WindowHandle> broken;
            for (auto& [h, o] : outgoing) {
                if (o.pending() == 0) continue;
                if (!writeSome(o.fd, o.out, o.outPos)) broken.push_back(h);
                else if (o.pending() > 0) waiting.push_back(pollfd{o.fd, POLLOUT, 0});
            }
            for (WindowHandle h : broken) closeOutgoing(h);
            if (waiting.empty()) return true;
            const int left = msLeft(deadline);
            if (left == 0) return false;
            if (::poll(waiting.data(), waiting.size(), left) < 0 && errno != EINTR) return false;
        }
    }

    // Remove the sockets of windows whose owners died.
    void removeDeadSockets() {
        for (const auto& e : messages::listSockets(opt.folder)) {
            if (windows.count(e.handle)) continue;
            int fd = -1;
            const auto r = messages::connectSocket(e.path, fd);
            if (r == messages::ConnectResult::Connected) ::close(fd);
            else if (r == messages::ConnectResult::Dead) ::unlink(e.path.c_str());
        }
    }
};

SocketMessageBus::SocketMessageBus() : SocketMessageBus(Options{}) {}

SocketMessageBus::SocketMessageBus(Options options) : impl_(std::make_unique<Impl>(std::move(options))) {}

SocketMessageBus::~SocketMessageBus() = default;

WindowHandle SocketMessageBus::registerWindow(const std::string& caption, Handler handler) {
    Impl& d = *impl_;
    if (caption.empty() || caption.find('/') != std::string::npos || caption.find('\0') != std::string::npos) {
        qWarning("quillbrook messages: a caption cannot be a socket name: \"%s\"", caption.c_str());
        return 0;
    }
    std::string error;
    if (!messages::prepareSocketFolder(d.opt.folder, true, &error)) {
        qWarning("quillbrook messages: %s", error.c_str());
        return 0;
    }
    d.removeDeadSockets();
    std::set<WindowHandle> taken;
    for (const auto& e : messages::listSockets(d.opt.folder)) taken.insert(e.handle);
    std::uniform_int_distribution<WindowHandle> pick(1, 1999999999);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const WindowHandle h = pick(d.rng);
        if (taken.count(h) || d.windows.count(h)) continue;
        const std::string path = d.opt.folder + "/" + messages::socketFileName(caption, h);
        const int fd = messages::listenSocket(path, &error);
        if (fd < 0) continue;
        Impl::Window& w = d.windows[h];
        w.caption = caption;
        w.path = path;
        w.listenFd = fd;
        w.handler = std::make_shared<Handler>(std::move(handler));
        w.acceptNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read, &d.context);
        QObject::connect(w.acceptNotifier.get(), &QSocketNotifier::activated, &d.context,
                         [this, h] { impl_->onAccept(h); });
        return h;
    }
    qWarning("quillbrook messages: %s", error.c_str());
    return 0;
}

void SocketMessageBus::unregisterWindow(WindowHandle window) {
    Impl& d = *impl_;
    auto w = d.windows.find(window);
    if (w == d.windows.end()) return;
    ::unlink(w->second.path.c_str());
    retire(w->second.acceptNotifier);
    ::close(w->second.listenFd);
    // The handler may be the one running now; its copy in drain() keeps it alive.
    d.windows.erase(w);
    std::vector<std::uint64_t> conns;
    for (const auto& [id, c] : d.incoming)
        if (c.window == window) conns.push_back(id);
    for (auto id : conns) d.closeIncoming(id);
}

WindowHandle SocketMessageBus::findWindow(const std::string& caption) {
    Impl& d = *impl_;
    if (!messages::prepareSocketFolder(d.opt.folder, false)) return 0;
    for (const auto& e : messages::listSockets(d.opt.folder)) {
        if (e.caption != caption) continue;
        if (d.windows.count(e.handle)) return e.handle;
        if (auto o = d.outgoing.find(e.handle); o != d.outgoing.end()) {
            if (!Impl::peerClosed(o->second.fd)) return e.handle;
            d.closeOutgoing(e.handle);
        }
        int fd = -1;
        switch (messages::connectSocket(e.path, fd)) {
        case messages::ConnectResult::Connected:
            d.addOutgoing(e.handle, fd);  // kept for the messages that follow
            return e.handle;
        case messages::ConnectResult::Busy:
            return e.handle;
        case messages::ConnectResult::Dead:
        case messages::ConnectResult::Unreachable:
            break;
        }
    }
    return 0;
}

bool SocketMessageBus::postMessage(WindowHandle to, std::uint32_t wParam, std::int32_t lParam) {
    WindowMessage m;
    m.kind = MessageKind::PlayerCmd;
    m.wParam = wParam;
    m.lParam = lParam;
    return impl_->post(to, std::move(m));
}

std::int32_t SocketMessageBus::sendMessage(WindowHandle to, std::uint32_t wParam, std::int32_t lParam) {
    WindowMessage m;
    m.kind = MessageKind::PlayerCmd;
    m.wParam = wParam;
    m.lParam = lParam;
    return impl_->send(to, std::move(m)).value_or(0);
}

bool SocketMessageBus::sendCopyData(WindowHandle to, WindowHandle from, std::string_view text) {
    WindowMessage m;
    m.kind = MessageKind::CopyData;
    m.wParam = from;
    m.text = messages::copyDataText(text);
    return impl_->send(to, std::move(m)).has_value();
}

std::size_t SocketMessageBus::pendingBytes() const {
    std::size_t n = 0;
    for (const auto& [h, o] : impl_->outgoing) n += o.pending();
    return n;
}

bool SocketMessageBus::flush(int ms) { return impl_->flush(ms); }

const std::string& SocketMessageBus::folder() const { return impl_->opt.folder; }

}  // namespace qb
