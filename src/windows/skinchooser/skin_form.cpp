#include "windows/skinchooser/skin_form.h"

#include <initializer_list>
#include <utility>

namespace orv::skinchooser {

SkinForm::SkinForm(Services services)
    : Form("frmSkin", 249, 195, forms::BorderStyle::FixedDialog, &services.platform),
      lbl{forms::Label("lbl", {8, 8, 99, 13}, 0, "Выберите обложку:"),
          forms::Label("lbl", {8, 112, 48, 13}, 6, "Выбрано:")},
      lstSkin("lstSkin", {8, 24, 233, 82}, 1),
      // Read-only: a name comes only from the list of folders that exist.
      txtSel("txtSel", {8, 128, 233, 19}, 4, /*locked=*/true),
      cmdOK("cmdOK", {8, 160, 73, 25}, 2, "OK"),
      cmdDefaults("cmdDefaults", {88, 160, 73, 25}, 5, "Родной"),
      cmdCancel("cmdCancel", {168, 160, 73, 25}, 3, "Отмена"),
      mnu("mnu", ""),
      s_(std::move(services)) {
    setCaption("Выбрать оболочку");
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &lbl[0], &lstSkin, &lbl[1], &txtSel, &cmdOK, &cmdDefaults, &cmdCancel}) {
        add(*control);
    }
    buildMenu();
    wire();
}

void SkinForm::buildMenu() {
    mnuPaintSpecBGAsSkin =
        &mnu.add("mnuPaintSpecBGAsSkin", "&Окраска фона спекрума соответственно шкуре");
    mnuShowGirds = &mnu.add("mnuShowGirds", "&Отобразить сетку поверх спектрума");
    mnuAlwaysOnTop = &mnu.add("mnuAlwaysOnTop", "&Держать окно поверх остальных окон");
    mnuClearScreen = &mnu.add("mnuClearScreen", "&Очищать каждый кадр (экран спектрума)");
    mnu.add("bar0", "-");
    mnuChangeSkin = &mnu.add("mnuChangeSkin", "&Изменить шкуру");
    mnu.add("bar1", "-");
    mnuAbout = &mnu.add("mnuAbout", "&О прогамме");
    mnu.add("bar2", "-");
    mnuExit = &mnu.add("mnuExit", "В&ыход");
    // After the menu's own ten items, so that each keeps its place; the devices are filled in
    // before each showing.
    mnu.add("bar3", "-");
    mnuSoundSource = &mnu.add("mnuSoundSource", "Источник &звука");
    resetMenuMarks();
}

void SkinForm::resetMenuMarks() {
    mnuPaintSpecBGAsSkin->setChecked(false);
    mnuShowGirds->setChecked(false);
    mnuAlwaysOnTop->setChecked(true);
    mnuClearScreen->setChecked(true);
}

void SkinForm::wire() {
    onLoad = [this] { Form_Load(); };
    lstSkin.onClick = [this] { lstSkin_Click(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdDefaults.onClick = [this] { cmdDefaults_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
    mnuPaintSpecBGAsSkin->onClick = [this] { mnuPaintSpecBGAsSkin_Click(); };
    mnuShowGirds->onClick = [this] { mnuShowGirds_Click(); };
    mnuClearScreen->onClick = [this] { mnuClearScreen_Click(); };
    mnuChangeSkin->onClick = [this] { mnuChangeSkin_Click(); };
    mnuAbout->onClick = [this] { mnuAbout_Click(); };
    mnuExit->onClick = [this] { mnuExit_Click(); };
}

}  // namespace orv::skinchooser
