#include "assets.h"

#include <QImageReader>
#include <QPixmap>

void loadAssets()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    Q_UNUSED(loaded);
}

QIcon pngIcon(const QString &resourceStem)
{
    loadAssets();
    QIcon icon;
    for (const int size : {32, 16}) {
        QImageReader png(QStringLiteral("%1-%2.png").arg(resourceStem).arg(size), "png");
        // Otherwise Qt first asks every image plugin whether the file is theirs.
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&png));
    }
    return icon;
}
