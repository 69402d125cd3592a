// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip/previewwidget.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QVBoxLayout>

namespace {
// libmpv's render API looks up the GL functions of the context current on its thread.
void *GlProcAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

bool Headless()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

// Whether this display gives an OpenGL context at all; tried once, on a surface of its own.
bool OpenGLWorks()
{
    static const bool works = [] {
        if (Headless())
            return false;
        QOpenGLContext context;
        QOffscreenSurface surface;
        surface.create();
        if (!context.create() || !context.makeCurrent(&surface)) {
            qWarning("No OpenGL on this display: the preview falls back to a simpler output.");
            return false;
        }
        context.doneCurrent();
        return true;
    }();
    return works;
}
} // namespace

QWidget *TPreviewWidget::Create(QWidget *panel)
{
    QWidget *area;
    if (OpenGLWorks()) {
        area = new TPreviewWidget(panel);
    } else {
        area = new QWidget(panel);
        // On X11 libmpv draws into a native window of its own inside the black panel.
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            area->setAttribute(Qt::WA_DontCreateNativeAncestors);
            area->setAttribute(Qt::WA_NativeWindow);
        }
    }
    area->setObjectName(QStringLiteral("PreviewVideo"));
    auto *fill = new QVBoxLayout(panel);
    fill->setContentsMargins(2, 2, 2, 2); // room for the panel's focus frame
    fill->addWidget(area);
    return area;
}

void TPreviewWidget::Configure(const QWidget *area, TPreviewPlayer::Options &options)
{
    if (qobject_cast<const TPreviewWidget *>(area)) {
        options.vo = QStringLiteral("libmpv");
    } else if (area->testAttribute(Qt::WA_NativeWindow)) {
        options.vo = QStringLiteral("gpu");
        options.wid = qint64(area->winId());
    } else {
        options.vo = QStringLiteral("null");
    }
}

void TPreviewWidget::Attach(QWidget *area, TPreviewPlayer *player)
{
    auto *widget = qobject_cast<TPreviewWidget *>(area);
    if (!widget)
        return;
    widget->FreeRenderer();
    widget->m_player = player;
    // The renderer goes before its player, with this widget's GL current.
    connect(player, &TPreviewPlayer::Closing, widget, &TPreviewWidget::FreeRenderer, Qt::DirectConnection);
    // Made here when the GL is already there, else when it comes (initializeGL).
    if (widget->context()) {
        widget->makeCurrent();
        widget->MakeRenderer();
        widget->doneCurrent();
    }
}

TPreviewWidget::TPreviewWidget(QWidget *parent) : QOpenGLWidget(parent)
{
    // libmpv paces its frames by the swaps it is told of.
    connect(this, &QOpenGLWidget::frameSwapped, this, [this] {
        if (m_player)
            m_player->ReportSwap();
    });
}

TPreviewWidget::~TPreviewWidget()
{
    FreeRenderer();
    // The base class destroys the context after this object's members are gone.
    if (context())
        disconnect(context(), nullptr, this, nullptr);
}

void TPreviewWidget::initializeGL()
{
    // The context goes when the widget moves to another window: the renderer goes first.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &TPreviewWidget::FreeRenderer,
            Qt::UniqueConnection);
    MakeRenderer();
}

void TPreviewWidget::MakeRenderer()
{
    if (m_player && !m_player->HasRenderer())
        if (const Result<void> made = m_player->CreateRenderer(GlProcAddress, nullptr, this); !made)
            qWarning("%s", qPrintable(made.reason())); // the picture stays black
}

void TPreviewWidget::FreeRenderer()
{
    if (!m_player || !m_player->HasRenderer())
        return;
    makeCurrent();
    m_player->FreeRenderer();
    doneCurrent();
}

void TPreviewWidget::paintGL()
{
    if (m_player && m_player->HasRenderer()) {
        const qreal ratio = devicePixelRatioF();
        m_player->Render(int(defaultFramebufferObject()), qRound(width() * ratio), qRound(height() * ratio));
        return;
    }
    QOpenGLFunctions *gl = context()->functions();
    gl->glClearColor(0, 0, 0, 1);
    gl->glClear(GL_COLOR_BUFFER_BIT);
}
