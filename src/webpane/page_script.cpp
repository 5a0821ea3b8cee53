#include "webpane/page_script.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// A JavaScript string literal: JSON's string syntax is a subset of it.
QString JsString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

} // namespace

QStringList HeadScriptLines()
{
    return {
        QStringLiteral("//IE ONLY  <!--"),
        QStringLiteral("document.onselectstart=new Function (\"return false\")"),
        QStringLiteral("document.oncontextmenu=new Function (\"return false\")"),
        QStringLiteral("document.ondragstart=new Function (\"return false\")"),
        QStringLiteral("//-->"),
    };
}

QString BodyStyleSheet()
{
    QString sheet = QStringLiteral("body {");
    for (const StyleDeclaration& style : kBodyStyles)
        sheet += QStringLiteral(" %1: %2;")
                     .arg(QLatin1String(style.property), QLatin1String(style.value));
    return sheet + QStringLiteral(" }");
}

QString PageScript(const QString& bodyHtml, const QString& fontAddress)
{
    const QString crlf = QStringLiteral("\r\n");
    QString script = QStringLiteral("(function () {\n"
                                    "var head = document.getElementsByTagName('head')[0];\n"
                                    "var old = document.getElementById(%1);\n"
                                    "if (old) old.parentNode.removeChild(old);\n"
                                    "var script = document.createElement('script');\n"
                                    "script.setAttribute('language', 'javascript');\n"
                                    "script.id = %1;\n"
                                    "script.text = %2;\n"
                                    "head.appendChild(script);\n"
                                    "var style = document.body.style;\n")
                         .arg(JsString(QLatin1String(kHeadScriptId)),
                              JsString(HeadScriptLines().join(crlf) + crlf));
    if (!fontAddress.isEmpty()) {
        script += QStringLiteral("old = document.getElementById(%1);\n"
                                 "if (old) old.parentNode.removeChild(old);\n"
                                 "var face = document.createElement('style');\n"
                                 "face.id = %1;\n"
                                 "face.textContent = %2;\n"
                                 "head.appendChild(face);\n")
                      .arg(JsString(QLatin1String(kFontFaceId)),
                           JsString(QStringLiteral("@font-face { font-family: 'Tahoma'; src: "
                                                   "url(\"%1\"); }")
                                        .arg(fontAddress)));
    }
    for (const StyleDeclaration& style : kBodyStyles)
        script +=
            QStringLiteral("style.setProperty(%1, %2);\n")
                .arg(JsString(QLatin1String(style.property)), JsString(QLatin1String(style.value)));
    script += QStringLiteral("style.overflow = 'auto';\n"
                             "document.body.innerHTML = %1;\n"
                             "})();\n")
                  .arg(JsString(bodyHtml));
    return script;
}
