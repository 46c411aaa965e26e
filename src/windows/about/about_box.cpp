#include "windows/about/about_box.h"

#include "windows/mainwindow/on_top_pause.h"

namespace orv::about {

std::string AboutText(const forms::AppInfo& app) {
    const std::string crlf = "\r\n";
    const std::string tab = "\t";
    return app.title + crlf +                                                               //
           "Версия:" + tab + std::to_string(app.major) + "." + std::to_string(app.minor) +  //
           crlf + crlf +                                                                    //
           "Автор:" + tab + kAuthorName + crlf +                                            //
           "E-mail: " + tab + kAuthorEmail + crlf +                                         //
           "URL: " + tab + app.comments + crlf + crlf +                                     //
           "Описание:" + crlf + tab + app.fileDescription;
}

void ShowAbout(forms::Platform& platform, forms::CheckBox& chkOnTop, const forms::AppInfo& app) {
    mainwindow::withOnTopPause(
        chkOnTop, [&] { platform.msgBox(AboutText(app), forms::msgbox::kNoIcon, app.title); });
}

}  // namespace orv::about
