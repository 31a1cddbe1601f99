#include "ui/windows/user_guide_text.h"

#include <QStringList>

namespace tarlen {

QString userGuideText()
{
    static const QStringList lines = {
        QStringLiteral("İşlem Sırası:"),
        QStringLiteral(""),
        QStringLiteral("1. x ekseninin başlangıç değerini x0 kutusuna yazın."),
        QStringLiteral("2. y ekseninin başlangıç değerini y0 kutusuna yazın."),
        QStringLiteral("3. x ekseninin bitiş değerini x1 kutusuna yazın."),
        QStringLiteral("4. y ekseninin bitiş değerini y1 kutusuna yazın."),
        QStringLiteral("5. Grafikte x ekseninin başlangıç noktasını (x0) tıklayın ve \"xO Ata\" "
                       "düğmesine basın."),
        QStringLiteral("6. Grafikte y ekseninin başlangıç noktasını (y0) tıklayın ve \"y0 Ata\" "
                       "düğmesine basın."),
        QStringLiteral("7. x ekseninin bitiş noktasını (x1) tıklayın ve \"x1 Ata\" düğmesine "
                       "basın."),
        QStringLiteral("8. y ekseninin bitiş noktasını (y1) tıklayın ve \"y1 Ata\" düğmesine "
                       "basın."),
        QStringLiteral("9. \"İlk / Başka Çizgi\" düğmesine basın."),
        QStringLiteral("10. Bir çizginin ya da veri grubunun noktalarını sırayla tıklayın."),
        QStringLiteral("11. Her yeni çizgiden önce \"İlk / Başka Çizgi\" düğmesine yeniden basın."),
        QStringLiteral("12. İşiniz bitince \"ÇIKIŞ\" düğmesiyle programdan çıkın."),
        QStringLiteral(""),
        QStringLiteral("Böylece her çizgi ya da veri grubu için ayrı bir dosya oluşur. Dosyanın "
                       "adı, grafik dosyasının adının sonuna \"_1.txt\", \"_2.txt\" gibi ekler "
                       "getirilerek verilir. O anki dosyanın adı pencerenin üst kısmında "
                       "görünür."),
        QStringLiteral(""),
        QStringLiteral("\"İlk / Başka Çizgi\" düğmesine basmadan önceki adımların sırası önemli "
                       "değildir."),
        QStringLiteral(""),
        QStringLiteral("Notlar:"),
        QStringLiteral("- \"Farklı Eksen\" düğmesi, aynı çizgide çalışırken başka bir eksene "
                       "(örneğin sağdaki ikinci y eksenine) geçmeyi sağlar: düğmeye basın, yeni "
                       "eksenin başlangıç ve bitiş değerlerini atayın ve noktaları tıklamayı "
                       "sürdürün. Değiştirmediğiniz değerler aynen kalır."),
        QStringLiteral("- Logaritmik bir eksen için \"x Logaritmik\" ya da \"y Logaritmik\" "
                       "kutusunu işaretleyin."),
        QStringLiteral("- Başlangıç ve bitiş noktaları eksenlerin herhangi bir yerinden "
                       "alınabilir; yeter ki kutuya yazılan değer tıklanan noktaya ait olsun."),
        QStringLiteral("- Ata düğmelerine basınca görünen sayılar, tıklanan noktanın grafik "
                       "üzerindeki konumudur (twip cinsinden)."),
        QStringLiteral("- Simgenin şekli, rengi, boyutu ve çizgi kalınlığı, işaretçi türü ve sayı "
                       "biçimi sayısallaştırma sırasında da değiştirilebilir."),
        QStringLiteral("- \"Kaydet\" düğmesiyle kaydedilen sayı biçimi, programın bir sonraki "
                       "açılışında yeniden kullanılır."),
        QStringLiteral("- \"Windows Büyüteci\" düğmesi, sistemin ekran büyütecini sabit yolundan "
                       "(C:\\windows\\system32\\magnify.exe) başlatır; büyütme oranı ve "
                       "kapatılması o programın kendi penceresinden yapılır. Bu program "
                       "bulunmuyorsa Tarlen ana pencerenin yanında kendi büyüteç penceresini "
                       "açar. Bu pencere grafik üzerinde fare işaretçisini izler; büyütme oranı "
                       "fare tekerleğiyle 2 ile 8 kat arasında değiştirilir ve pencere kapatma "
                       "kutusuyla kapatılır."),
        QStringLiteral("- Grafikte çok sayıda simge birikip görüntüyü karıştırırsa \"Simgeleri "
                       "Temizle\" düğmesiyle silinebilir; dosyalar bundan etkilenmez."),
        QStringLiteral("- \"Son Noktayı Sil\" düğmesi son değeri yalnızca o anki dosyadan siler; "
                       "Değerler penceresindeki satır yerinde kalır."),
        QStringLiteral("- Yalnızca döndürülmemiş grafikler işlenebilir: eksenler yatay ve dikey "
                       "durmalıdır."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace tarlen
