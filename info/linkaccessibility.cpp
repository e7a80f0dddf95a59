#include "linkaccessibility.h"

#include "frminfolayout.h"
#include "infocontrols.h"
#include "utf8.h"

#include <QAccessibleWidget>

namespace {

class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }
    Q_DISABLE_COPY_MOVE(LinkAccessible)

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

bool isLink(const QObject *object)
{
    using namespace frminfoLayout;
    const QString name = object->objectName();
    return name == fromUtf8(lblsite[0].name) || name == fromUtf8(lblsite[1].name) || name == fromUtf8(lblmail.name);
}

QAccessibleInterface *linkFactory(const QString & /*className*/, QObject *object)
{
    auto *label = qobject_cast<EventLabel *>(object);
    return label && isLink(label) ? new LinkAccessible(label) : nullptr;
}

} // namespace

void installLinkAccessibility()
{
    QAccessible::installFactory(linkFactory);
}
