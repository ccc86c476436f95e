#include "app/Startup.h"

#include <QApplication>

#include "app/TFicheAide.h"
#include "app/TFichePrincipale.h"
#include "app/TForm2.h"
#include "app/TForm3.h"
#include "texture/TFicheConfirmeLargeur.h"
#include "texture/TFicheNouveau.h"

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
    context_.windows.form3 = new TForm3(context_, main_.get());
    // TFicheManipImage, TFicheRougeVertBleu, TFicheDessin and TFicheCatalogue come here.
    context_.windows.ficheNouveau =
        new texture::TFicheNouveau(context_.newElement, context_.prompts, main_.get());
    context_.windows.ficheConfirmeLargeur = new texture::TFicheConfirmeLargeur(main_.get());
    // TFicheChoixFlou, TFicheDimensions, TFichePlancheContact and TFicheImpression come here.
    context_.windows.ficheAide = new TFicheAide(context_, main_.get());
    // TFicheTraiteCouleur comes here.

    context_.pacer.wait(kWindowsWait);
    splash_->hide();
    splash_.reset();
    QApplication::restoreOverrideCursor();
}

}  // namespace tessella::app
