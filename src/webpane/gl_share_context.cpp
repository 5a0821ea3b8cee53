#include "webpane/gl_share_context.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QSurfaceFormat>

// Qt GUI's own setter of the shared context, the one the application object calls. It is
// exported, but declared only in a header Qt does not install.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

void ProvideSharedGlContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->setFormat(QSurfaceFormat::defaultFormat());
    // Where there is no GL (no driver, GL integration off) the context stays invalid, as
    // Qt's own would; the engine then composes without GL.
    context->create();
    qt_gl_set_global_share_context(context);
}
