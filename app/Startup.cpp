#include "app/Startup.h"

#include <QApplication>

#include "app/TFicheAide.h"
#include "app/TFichePrincipale.h"
#include "app/TForm2.h"
#include "app/TForm3.h"

namespace tessella::app {

Startup::Startup(AppContext& context) : context_(context) {}

Startup::~Startup() {
    context_.windows = AppWindows{};
    main_.reset();  // takes its child windows with it
}

void Startup::run() {
    QApplication::setOverrideCursor(Qt::WaitCursor);

    splash_ = std::make_unique<TForm2>(context_);
    splash_->show();
    context_.pacer.processEvents();
    context_.pacer.wait(kSplashWait);

    main_ = std::make_unique<TFichePrincipale>(context_);
    main_->show();
    context_.pacer.processEvents();

    // The other windows, in their order; each exists for the whole run.
    form3_ = new TForm3(context_, main_.get());
    context_.windows.form3 = form3_;
    // TFicheManipImage, TFicheRougeVertBleu, TFicheDessin, TFicheCatalogue, TFicheNouveau,
    // TFicheConfirmeLargeur, TFicheChoixFlou, TFicheDimensions, TFichePlancheContact and
    // TFicheImpression are created here, in this order.
    ficheAide_ = new TFicheAide(context_, main_.get());
    context_.windows.ficheAide = ficheAide_;
    // TFicheTraiteCouleur is created here.

    context_.pacer.wait(kWindowsWait);
    splash_->hide();
    splash_.reset();
    QApplication::restoreOverrideCursor();
}

}  // namespace tessella::app
