// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview player on libmpv: plays one video (drawn by the caller through libmpv's
// render API, into a native window, or not at all) with the few media-player operations
// the clip editor needs. Opening and seeking are waited
// for a bounded time only (none at all with waitMs 0), so a call never holds the caller;
// a file that takes longer to load is announced later by Loaded or loadFailed, and a seek
// still under way reads as its target position.
#include "core/result.h"

#include <QObject>
#include <QString>

#include <memory>

struct mpv_handle;
struct mpv_event;
struct mpv_render_context;

// The media player's modes.
enum class PlayerMode { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };

class PreviewPlayer : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        QString vo = QStringLiteral("null"); // "libmpv": drawn through createRenderer
        QString ao = QStringLiteral("null");
        qint64 wid = 0;     // native window to draw into; 0 for none
        int waitMs = 500;   // longest wait of Open and Seek; 0: return at once
    };

    // A player on libmpv set up with options, or why libmpv cannot be set up.
    static Result<std::unique_ptr<PreviewPlayer>> create(const Options &options, QObject *parent = nullptr);
    ~PreviewPlayer() override;

    // Loads the file paused at its start. A failure when it cannot be played; done when it
    // is loaded or still loading (isLoaded tells which).
    Result<void> open(const QString &path);
    bool isLoaded() const { return m_load == Load::Loaded; }

    qint64 length();   // milliseconds; 0 while nothing is loaded
    qint64 position(); // milliseconds
    void play();       // from the current position
    void pause();      // holds the position; Play goes on from there
    void stop();
    void seek(qint64 ms); // halts playing, like the media player's seek
    // Playing that reaches ms stops there and says ended(), once; 0 plays on to the end.
    void setEnd(qint64 ms) { m_endAt = ms; }
    PlayerMode mode();
    // The sound track played: its 1-based number among the file's sound tracks (libmpv's
    // "aid"), 0 for the file's default. Holds for the file open and the next ones.
    void setSoundTrack(int number);
    // The sound track libmpv plays now, 0 when none or it has not chosen yet; asks libmpv
    // and waits for its answer.
    int soundTrack();

    // Drawing with vo=libmpv through libmpv's OpenGL render API. Each of these runs on the
    // thread of the caller's GL context, with that context current. getProcAddress
    // resolves GL function names; when a frame is due, view's update() is queued.
    // createRenderer fails when libmpv cannot draw with that GL.
    using GlProcAddress = void *(*)(void *context, const char *name);
    Result<void> createRenderer(GlProcAddress getProcAddress, void *context, QObject *view);
    bool hasRenderer() const { return m_render != nullptr; }
    void render(int framebuffer, int width, int height); // the newest frame, upright as Qt shows a framebuffer
    void reportSwap();
    void freeRenderer();

signals:
    // A load that was still going on when Open returned has ended (queued).
    void loaded();
    void loadFailed(const QString &reason);
    // The loaded file could not be played on (a read or decoding error ended it, or its
    // data ended well before its length); the player is then not ready (queued).
    void playbackFailed(const QString &reason);
    // Playing reached the end of the file or the end set; the player holds there, stopped
    // (queued).
    void ended();
    // The player is being destroyed: a renderer still made must be freed now, with its
    // GL context current (emitted directly, from the destructor).
    void closing();

private:
    PreviewPlayer(int waitMs, QObject *parent);
    Result<void> start(const Options &options);
    enum class Load { None, Loading, Loaded, Failed };
    void setPause(bool on);
    void handleEvent(const mpv_event &event);
    void announce();
    void failPlayback(const QString &reason);
    void checkEnd();
    // Handles events until done() holds or the wait time is over; true when done() holds.
    template <typename Done>
    bool waitFor(Done done);
    void drain(); // handles the events at hand without waiting
    Q_INVOKABLE void drainQueued() { drain(); } // queued by libmpv's wakeup callback

    mpv_handle *m_mpv = nullptr;
    mpv_render_context *m_render = nullptr;
    int m_waitMs;
    QString m_path;
    Load m_load = Load::None;
    qint64 m_entry = -1;      // libmpv's playlist entry of the file opened last
    bool m_started = false;   // its START_FILE seen
    bool m_stopped = false;
    bool m_seeking = false;
    qint64 m_seekTarget = 0;  // milliseconds, while m_seeking
    // What libmpv last told of the file: its length, position and end of data.
    qint64 m_length = 0, m_position = 0;
    bool m_eof = false;
    qint64 m_endAt = 0;       // milliseconds where playing stops; 0 for none
    bool m_paused = true;     // as last asked for
    bool m_waiting = false;   // inside Open's wait: completion is returned, not signalled
    int m_serial = 0;         // counts Opens
    QString m_error;
    QString m_logError;       // first error logged during the current load
};
