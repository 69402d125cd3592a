// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/previewplayer.h"
#include <QCoreApplication>

#include <QElapsedTimer>
#include <algorithm>
#include <QFileInfo>
#include <clocale>
#include <cmath>
#include <mpv/client.h>
#include <mpv/render_gl.h>

namespace {
// The wakeup callback may run on any of libmpv's threads: it only queues a call.
void wakeup(void *data)
{
    auto *player = static_cast<PreviewPlayer *>(data);
    QMetaObject::invokeMethod(player, "drainQueued", Qt::QueuedConnection);
}

// The render API's update callback runs on libmpv's threads too: the view repaints later,
// on its own thread.
void frameDue(void *view)
{
    QMetaObject::invokeMethod(static_cast<QObject *>(view), "update", Qt::QueuedConnection);
}
} // namespace

PreviewPlayer::PreviewPlayer(int waitMs, QObject *parent) : QObject(parent), m_waitMs(waitMs) {}

Result<std::unique_ptr<PreviewPlayer>> PreviewPlayer::create(const Options &options, QObject *parent)
{
    std::unique_ptr<PreviewPlayer> player(new PreviewPlayer(options.waitMs, parent));
    if (Result<void> started = player->start(options); !started)
        return started.failure();
    return player;
}

Result<void> PreviewPlayer::start(const Options &options)
{
    // libmpv refuses to start unless numbers are read the C way.
    std::setlocale(LC_NUMERIC, "C");
    m_mpv = mpv_create();
    if (!m_mpv)
        return Failure{QStringLiteral("The preview player could not be started.")};
    const auto set = [this](const char *name, const QString &value) {
        return mpv_set_option_string(m_mpv, name, value.toUtf8().constData());
    };
    // Nothing of the user's mpv set-up applies, and mpv takes no input of its own: clicks
    // on the picture go through to the window below.
    const char *const fixed[][2] = {
        {"config", "no"}, {"terminal", "no"}, {"osc", "no"}, {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"}, {"input-cursor", "no"}, {"cursor-autohide", "no"},
        {"load-scripts", "no"}, {"ytdl", "no"}, {"idle", "yes"}, {"keep-open", "yes"},
        {"hr-seek", "yes"}, {"pause", "yes"}, {"gpu-sw", "yes"}, {"audio-client-name", "Clipvox"},
    };
    for (const auto &option : fixed)
        set(option[0], QString::fromLatin1(option[1]));
    int rc = options.vo.isEmpty() ? 0 : set("vo", options.vo);
    if (rc >= 0 && !options.ao.isEmpty())
        rc = set("ao", options.ao);
    if (rc >= 0 && options.wid != 0) {
        int64_t wid = options.wid;
        rc = mpv_set_option(m_mpv, "wid", MPV_FORMAT_INT64, &wid);
    }
    if (rc >= 0)
        rc = mpv_initialize(m_mpv);
    if (rc < 0) {
        const QString reason = QString::fromUtf8(mpv_error_string(rc));
        mpv_terminate_destroy(m_mpv);
        m_mpv = nullptr;
        return Failure{QStringLiteral("The preview player could not be started: ") + reason};
    }
    mpv_request_log_messages(m_mpv, "error");
    // Position and end of data are followed as they change, so that reading them never
    // waits for libmpv's core (which may be busy opening the audio output, for example).
    mpv_observe_property(m_mpv, 0, "eof-reached", MPV_FORMAT_FLAG);
    mpv_observe_property(m_mpv, 0, "time-pos", MPV_FORMAT_DOUBLE);
    mpv_set_wakeup_callback(m_mpv, wakeup, this);
    return {};
}

PreviewPlayer::~PreviewPlayer()
{
    if (!m_mpv)
        return;
    // The renderer has to go before the core; its owner frees it with its GL current.
    emit closing();
    if (m_render)
        qWarning("The preview's renderer was not freed before its player.");
    mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
    mpv_terminate_destroy(m_mpv);
}

Result<void> PreviewPlayer::createRenderer(GlProcAddress getProcAddress, void *context, QObject *view)
{
    freeRenderer();
    mpv_opengl_init_params gl{getProcAddress, context};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    const int rc = mpv_render_context_create(&m_render, m_mpv, params);
    if (rc < 0) {
        m_render = nullptr;
        return Failure{QCoreApplication::translate("Media", "The preview cannot draw with this display's OpenGL: %1")
                           .arg(QString::fromUtf8(mpv_error_string(rc)))};
    }
    mpv_render_context_set_update_callback(m_render, frameDue, view);
    return {};
}

void PreviewPlayer::render(int framebuffer, int width, int height)
{
    if (!m_render)
        return;
    mpv_opengl_fbo fbo{framebuffer, width, height, 0};
    // Drawn at once rather than held until the frame's display time: waiting there would
    // hold the window's thread for most of every frame.
    int flipY = 1, block = 0;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(m_render, params);
}

void PreviewPlayer::reportSwap()
{
    if (m_render)
        mpv_render_context_report_swap(m_render);
}

void PreviewPlayer::freeRenderer()
{
    // No update is called once the context is freed.
    mpv_render_context_free(m_render);
    m_render = nullptr;
}

template <typename Done>
bool PreviewPlayer::waitFor(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = m_waitMs - clock.elapsed();
        if (left <= 0)
            return false;
        const mpv_event *event = mpv_wait_event(m_mpv, left / 1000.0);
        if (event->event_id != MPV_EVENT_NONE)
            handleEvent(*event);
    }
    return true;
}

void PreviewPlayer::drain()
{
    for (;;) {
        const mpv_event *event = mpv_wait_event(m_mpv, 0);
        if (event->event_id == MPV_EVENT_NONE)
            return;
        handleEvent(*event);
    }
}

void PreviewPlayer::handleEvent(const mpv_event &event)
{
    switch (event.event_id) {
    case MPV_EVENT_LOG_MESSAGE: {
        // The reason a file does not open is only told in the log ("Cannot open file ...").
        const auto *log = static_cast<const mpv_event_log_message *>(event.data);
        if (m_load == Load::Loading && m_logError.isEmpty() && qstrcmp(log->prefix, "file") == 0)
            m_logError = QString::fromUtf8(log->text).trimmed();
        break;
    }
    case MPV_EVENT_START_FILE:
        if (static_cast<const mpv_event_start_file *>(event.data)->playlist_entry_id == m_entry)
            m_started = true;
        break;
    case MPV_EVENT_FILE_LOADED:
        // The length is asked for without waiting; its answer completes the load.
        if (m_load == Load::Loading && m_started)
            mpv_get_property_async(m_mpv, quint64(m_serial), "duration", MPV_FORMAT_DOUBLE);
        break;
    case MPV_EVENT_GET_PROPERTY_REPLY: {
        const auto *property = static_cast<const mpv_event_property *>(event.data);
        if (m_load != Load::Loading || event.reply_userdata != quint64(m_serial))
            break;
        m_length = property->format == MPV_FORMAT_DOUBLE ? std::llround(*static_cast<const double *>(property->data) * 1000.0) : 0;
        m_load = Load::Loaded;
        if (!m_waiting)
            announce();
        break;
    }
    case MPV_EVENT_END_FILE: {
        // Only the end of the file opened last counts.
        const auto *end = static_cast<const mpv_event_end_file *>(event.data);
        if (end->playlist_entry_id != m_entry)
            break;
        const Load was = m_load;
        m_load = Load::None;
        m_seeking = false;
        // With keep-open the end of the data pauses instead of ending the file: an end
        // of a loaded file is an error.
        if (was == Load::Loaded && (end->reason == MPV_END_FILE_REASON_ERROR || end->reason == MPV_END_FILE_REASON_EOF))
            failPlayback(QCoreApplication::translate("Media", "Playback of '%1' failed: %2")
                             .arg(m_path, end->reason == MPV_END_FILE_REASON_ERROR
                                              ? QString::fromUtf8(mpv_error_string(end->error))
                                              : QCoreApplication::translate("Media", "the file ended unexpectedly")));
        if (was == Load::Loading) {
            m_load = Load::Failed;
            const QString reason = end->reason == MPV_END_FILE_REASON_ERROR
                                       ? QString::fromUtf8(mpv_error_string(end->error))
                                       : QCoreApplication::translate("Media", "loading stopped");
            m_error = !m_logError.isEmpty()
                          ? m_logError
                          : QCoreApplication::translate("Media", "Cannot open file '%1': %2").arg(m_path, reason);
            if (!m_waiting)
                announce();
        }
        break;
    }
    case MPV_EVENT_PLAYBACK_RESTART:
        if (m_seeking)
            m_position = m_seekTarget; // until the next position arrives
        m_seeking = false;
        if (m_eof) // a seek to the very end
            checkEnd();
        break;
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto *property = static_cast<const mpv_event_property *>(event.data);
        if (qstrcmp(property->name, "time-pos") == 0) {
            m_position = property->format == MPV_FORMAT_DOUBLE
                             ? std::max<qint64>(0, std::llround(*static_cast<const double *>(property->data) * 1000.0))
                             : 0;
            if (m_endAt > 0 && !m_paused && !m_seeking && m_load == Load::Loaded && m_position >= m_endAt) {
                m_endAt = 0;
                stop();
                QMetaObject::invokeMethod(
                    this,
                    [this, serial = m_serial] {
                        if (serial == m_serial && m_load == Load::Loaded)
                            emit ended();
                    },
                    Qt::QueuedConnection);
            }
        } else if (qstrcmp(property->name, "eof-reached") == 0) {
            m_eof = property->format == MPV_FORMAT_FLAG && *static_cast<const int *>(property->data);
            if (m_eof)
                checkEnd();
        }
        break;
    }
    default:
        break;
    }
}

// Tells a late end of loading from the event loop, never from inside a call of the
// caller's; dropped when another Open came in between.
void PreviewPlayer::announce()
{
    QMetaObject::invokeMethod(
        this,
        [this, serial = m_serial] {
            if (serial != m_serial)
                return;
            if (m_load == Load::Loaded)
                emit loaded();
            else if (m_load == Load::Failed)
                emit loadFailed(m_error);
        },
        Qt::QueuedConnection);
}

// The data ran out: at the end of the file this is the normal end of playing; well before
// it, the rest of the file could not be read (it was cut short or taken away).
void PreviewPlayer::checkEnd()
{
    if (m_load != Load::Loaded || m_seeking)
        return;
    const double length = m_length / 1000.0, at = m_position / 1000.0;
    if (length - at <= std::max(1.0, length / 50)) {
        QMetaObject::invokeMethod(
            this,
            [this, serial = m_serial] {
                if (serial == m_serial && m_load == Load::Loaded && m_eof)
                    emit ended();
            },
            Qt::QueuedConnection);
        return;
    }
    failPlayback(QCoreApplication::translate("Media", "Playback of '%1' stopped at %2 s of its %3 s: the rest of the file cannot be read")
                     .arg(m_path)
                     .arg(at, 0, 'f', 1)
                     .arg(length, 0, 'f', 1));
}

void PreviewPlayer::failPlayback(const QString &reason)
{
    m_load = Load::Failed;
    m_seeking = false;
    m_error = reason;
    setPause(true);
    QMetaObject::invokeMethod(
        this,
        [this, serial = m_serial, reason] {
            if (serial == m_serial)
                emit playbackFailed(reason);
        },
        Qt::QueuedConnection);
}

Result<void> PreviewPlayer::open(const QString &path)
{
    drain();
    ++m_serial;
    m_path = path;
    m_error.clear();
    m_logError.clear();
    m_load = Load::Loading;
    m_started = false;
    m_stopped = true;
    m_seeking = false;
    m_eof = false;
    m_length = m_position = 0;
    setPause(true);
    const QByteArray file = QFileInfo(path).absoluteFilePath().toUtf8();
    const char *command[] = {"loadfile", file.constData(), "replace", nullptr};
    mpv_node result;
    const int rc = mpv_command_ret(m_mpv, command, &result);
    if (rc >= 0) {
        m_entry = -1;
        if (result.format == MPV_FORMAT_NODE_MAP)
            for (int i = 0; i < result.u.list->num; ++i)
                if (qstrcmp(result.u.list->keys[i], "playlist_entry_id") == 0)
                    m_entry = result.u.list->values[i].u.int64;
        mpv_free_node_contents(&result);
    }
    if (rc < 0) {
        m_load = Load::Failed;
        m_error = QCoreApplication::translate("Media", "Cannot open file '%1': %2").arg(path, QString::fromUtf8(mpv_error_string(rc)));
        return Failure{m_error};
    }
    m_waiting = true;
    waitFor([this] { return m_load != Load::Loading; });
    m_waiting = false;
    if (m_load == Load::Failed)
        return Failure{m_error};
    return {};
}

qint64 PreviewPlayer::length()
{
    drain();
    return m_load == Load::Loaded ? m_length : 0;
}

qint64 PreviewPlayer::position()
{
    drain();
    if (m_load != Load::Loaded)
        return 0;
    return m_seeking ? m_seekTarget : m_position;
}

void PreviewPlayer::setPause(bool on)
{
    int flag = on ? 1 : 0;
    m_paused = on;
    mpv_set_property_async(m_mpv, 0, "pause", MPV_FORMAT_FLAG, &flag);
}

void PreviewPlayer::setSoundTrack(int number)
{
    const QByteArray value = number > 0 ? QByteArray::number(number) : QByteArrayLiteral("auto");
    const char *text = value.constData();
    mpv_set_property_async(m_mpv, 0, "aid", MPV_FORMAT_STRING, &text);
}

int PreviewPlayer::soundTrack()
{
    char *value = mpv_get_property_string(m_mpv, "aid");
    const int number = value ? QByteArray(value).toInt() : 0; // "no" and "auto" read as 0
    mpv_free(value);
    return number;
}

void PreviewPlayer::play()
{
    m_stopped = false;
    setPause(false);
}

void PreviewPlayer::pause()
{
    m_stopped = false;
    setPause(true);
}

void PreviewPlayer::stop()
{
    m_stopped = true;
    setPause(true);
}

void PreviewPlayer::seek(qint64 ms)
{
    drain();
    if (m_load != Load::Loaded)
        return;
    stop();
    const QByteArray target = QByteArray::number(ms / 1000.0, 'f', 3);
    const char *command[] = {"seek", target.constData(), "absolute+exact", nullptr};
    m_seeking = mpv_command_async(m_mpv, 0, command) >= 0;
    m_seekTarget = std::max<qint64>(0, ms);
    waitFor([this] { return !m_seeking; });
}

PlayerMode PreviewPlayer::mode()
{
    drain();
    if (m_load != Load::Loaded)
        return PlayerMode::NotReady;
    if (m_seeking)
        return PlayerMode::Seeking;
    if (m_stopped || m_eof)
        return PlayerMode::Stopped;
    return m_paused ? PlayerMode::Paused : PlayerMode::Playing;
}
