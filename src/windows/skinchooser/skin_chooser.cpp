#include "windows/settings/settings_schema.h"
#include "windows/skinchooser/skin_form.h"

namespace orv::skinchooser {

std::vector<std::string> SkinForm::skinFolders(const std::vector<forms::DirEntry>& entries) {
    std::vector<std::string> folders;
    for (const forms::DirEntry& entry : entries) {
        const bool directory = (entry.attributes & forms::attr::kDirectory) != 0;
        const bool concealed =
            (entry.attributes & (forms::attr::kHidden | forms::attr::kSystem)) != 0;
        if (directory && !concealed && entry.name != "." && entry.name != "..") {
            folders.push_back(entry.name);
        }
    }
    return folders;
}

void SkinForm::Form_Load() {
    txtSel.setText("");
    resetMenuMarks();
    const std::string basePath = s_.app.path + "\\Skin\\";
    for (std::string& name : skinFolders(s_.platform.listDirectory(basePath))) {
        lstSkin.addItem(std::move(name));
    }
}

void SkinForm::lstSkin_Click() {
    txtSel.setText(lstSkin.text());
}

void SkinForm::cmdOK_Click() {
    if (txtSel.text().empty()) return;
    const std::string chosen = txtSel.text();
    s_.store.save(s_.app.title, settings::kSettingsSection, settings::kSkinKey, chosen);
    mainwindow::ApplySkin(s_.frmMain, s_.skin, chosen);
    s_.skin.CurrentSkin = chosen;
    unload();
}

void SkinForm::cmdDefaults_Click() {
    s_.store.save(s_.app.title, settings::kSettingsSection, settings::kSkinKey,
                  settings::kInternalSkin);
    s_.platform.msgBox("Настрока вступит в силу только после перезапуска программы!",
                       forms::msgbox::kInformation, s_.app.title);
    unload();
}

void SkinForm::cmdCancel_Click() {
    unload();
}

}  // namespace orv::skinchooser
