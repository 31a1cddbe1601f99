#include "ui/main/handlers.h"

#include "core/format_settings.h"
#include "core/number_format.h"
#include "ui/main/form1.h"
#include "ui/platform/platform.h"

#include <QPushButton>
#include <QRadioButton>

#include <string_view>

namespace tarlen {

namespace {

// One "Kaydet" button: its option group, the index it refreshes and the file it writes.
struct SaveButton {
    QPushButton *MainWindowControls::*button;
    QRadioButton *MainWindowControls::*options[3];
    NumberFormatIndex DigitizerState::*index;
    std::string_view fileName;
};

constexpr SaveButton kSaveButtons[] = {
    {&MainWindowControls::Command13,
     {&MainWindowControls::Option4, &MainWindowControls::Option5, &MainWindowControls::Option6},
     &DigitizerState::xFormatIndex,
     kXFormatsFileName},
    {&MainWindowControls::Command14,
     {&MainWindowControls::Option7, &MainWindowControls::Option8, &MainWindowControls::Option9},
     &DigitizerState::yFormatIndex,
     kYFormatsFileName},
};

void save(Form1 &form, const SaveButton &row)
{
    const MainWindowControls &c = form.controls();
    NumberFormatIndex &index = form.state().*row.index;
    index = indexFromOptions((c.*row.options[0])->isChecked(), (c.*row.options[1])->isChecked(),
                             (c.*row.options[2])->isChecked(), index);

    const std::string fileName(row.fileName);
    const IoStatus saved = saveFormatSetting(fileName, index);
    // The choice is kept for this run anyway; the user learns that the next start will not see it.
    if (!saved)
        form.platform().showMessage(&form, QStringLiteral("Dikkat!"),
                                    QStringLiteral("Biçim ayarı kaydedilemedi: %1\n%2")
                                        .arg(QString::fromStdString(fileName),
                                             QString::fromStdString(saved.reason())),
                                    MessageIcon::Exclamation);
}

} // namespace

void connectFormatSettingButtons(Form1 &form)
{
    for (const SaveButton &row : kSaveButtons)
        QObject::connect(form.controls().*row.button, &QPushButton::clicked, &form,
                         [&form, &row] { save(form, row); });
}

} // namespace tarlen
