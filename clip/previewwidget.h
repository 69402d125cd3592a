// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of the clip editor's preview. Where the display gives OpenGL, libmpv draws
// through its render API into this OpenGL widget, on X11 and Wayland alike. Otherwise the
// panel holds a plain widget: on X11 a native window that libmpv draws into by itself,
// elsewhere a black area with no video output.
#include "media/previewplayer.h"

#include <QOpenGLWidget>
#include <QPointer>

class TPreviewWidget : public QOpenGLWidget
{
    Q_OBJECT
public:
    // Puts the picture area into panel, filling it, and returns it.
    static QWidget *Create(QWidget *panel);
    // Sets the video output of a player that is to draw into area.
    static void Configure(const QWidget *area, TPreviewPlayer::Options &options);
    // Lets a player made with those options draw into area, before it opens a file.
    static void Attach(QWidget *area, TPreviewPlayer *player);

    explicit TPreviewWidget(QWidget *parent = nullptr);
    ~TPreviewWidget() override;

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void MakeRenderer(); // with this widget's GL current
    void FreeRenderer(); // makes this widget's GL current for it
    QPointer<TPreviewPlayer> m_player;
};
