// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip/previewwidget.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QVBoxLayout>

namespace {
// libmpv's render API looks up the GL functions of the context current on its thread.
void *glProcAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

bool headless()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

// Whether this display gives an OpenGL context at all; tried once, on a surface of its own.
bool openGlWorks()
{
    static const bool works = [] {
        if (headless())
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

QWidget *PreviewWidget::create(QWidget *panel)
{
    QWidget *area;
    if (openGlWorks()) {
        area = new PreviewWidget(panel);
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

void PreviewWidget::configure(const QWidget *area, PreviewPlayer::Options &options)
{
    if (qobject_cast<const PreviewWidget *>(area)) {
        options.vo = QStringLiteral("libmpv");
    } else if (area->testAttribute(Qt::WA_NativeWindow)) {
        options.vo = QStringLiteral("gpu");
        options.wid = qint64(area->winId());
    } else {
        options.vo = QStringLiteral("null");
    }
}

void PreviewWidget::attach(QWidget *area, PreviewPlayer *player)
{
    auto *widget = qobject_cast<PreviewWidget *>(area);
    if (!widget)
        return;
    widget->freeRenderer();
    widget->m_player = player;
    // The renderer goes before its player, with this widget's GL current.
    connect(player, &PreviewPlayer::closing, widget, &PreviewWidget::freeRenderer, Qt::DirectConnection);
    // Made here when the GL is already there, else when it comes (initializeGL).
    if (widget->context()) {
        widget->makeCurrent();
        widget->makeRenderer();
        widget->doneCurrent();
    }
}

PreviewWidget::PreviewWidget(QWidget *parent) : QOpenGLWidget(parent)
{
    // libmpv paces its frames by the swaps it is told of.
    connect(this, &QOpenGLWidget::frameSwapped, this, [this] {
        if (m_player)
            m_player->reportSwap();
    });
}

PreviewWidget::~PreviewWidget()
{
    freeRenderer();
    // The base class destroys the context after this object's members are gone.
    if (context())
        disconnect(context(), nullptr, this, nullptr);
}

void PreviewWidget::initializeGL()
{
    // The context goes when the widget moves to another window: the renderer goes first.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &PreviewWidget::freeRenderer,
            Qt::UniqueConnection);
    makeRenderer();
}

void PreviewWidget::makeRenderer()
{
    if (m_player && !m_player->hasRenderer())
        if (const Result<void> made = m_player->createRenderer(glProcAddress, nullptr, this); !made)
            qWarning("%s", qPrintable(made.reason())); // the picture stays black
}

void PreviewWidget::freeRenderer()
{
    if (!m_player || !m_player->hasRenderer())
        return;
    makeCurrent();
    m_player->freeRenderer();
    doneCurrent();
}

void PreviewWidget::paintGL()
{
    if (m_player && m_player->hasRenderer()) {
        const qreal ratio = devicePixelRatioF();
        m_player->render(int(defaultFramebufferObject()), qRound(width() * ratio), qRound(height() * ratio));
        return;
    }
    QOpenGLFunctions *gl = context()->functions();
    gl->glClearColor(0, 0, 0, 1);
    gl->glClear(GL_COLOR_BUFFER_BIT);
}
