// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of the clip editor's preview. Where the display gives OpenGL, libmpv draws
// through its render API into this OpenGL widget, on X11 and Wayland alike. Otherwise the
// panel holds a plain widget: on X11 a native window that libmpv draws into by itself,
// elsewhere a black area with no video output.
#include "media/previewplayer.h"

#include <QOpenGLWidget>
#include <QPointer>

class PreviewWidget : public QOpenGLWidget
{
    Q_OBJECT
public:
    // Puts the picture area into panel, filling it, and returns it.
    static QWidget *create(QWidget *panel);
    // Sets the video output of a player that is to draw into area.
    static void configure(const QWidget *area, PreviewPlayer::Options &options);
    // Lets a player made with those options draw into area, before it opens a file.
    static void attach(QWidget *area, PreviewPlayer *player);

    explicit PreviewWidget(QWidget *parent = nullptr);
    ~PreviewWidget() override;

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void makeRenderer(); // with this widget's GL current
    void freeRenderer(); // makes this widget's GL current for it
    QPointer<PreviewPlayer> m_player;
};
