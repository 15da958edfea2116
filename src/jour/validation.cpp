#include "jour/validation.hpp"

#include <filesystem>
#include <system_error>

#include "util/console.hpp"
#include "util/fichier_entree.hpp"

namespace fs = std::filesystem;

namespace {

// A file or a link: what the program may remove or replace (a directory, a pipe or a device
// of that name stays what it is).
bool fichierOuLien(const std::string& nom) {
    std::error_code code;
    const fs::file_type type = fs::symlink_status(nom, code).type();
    return type == fs::file_type::regular || type == fs::file_type::symlink;
}

void abandonner(const std::vector<Engagement::Remplacement>& remplacements, std::size_t depuis) {
    for (std::size_t i = depuis; i < remplacements.size(); ++i) {
        retirerFichier(remplacements[i].temporaire);
    }
}

}  // namespace

Compte engager(const Engagement& engagement) {
    Compte compte;
    const auto& remplacements = engagement.remplacements;
    for (std::size_t i = 0; i < remplacements.size(); ++i) {
        if (forcerFichier(remplacements[i].temporaire)) {
            compte.messages += ligneIncomplet(remplacements[i].nom);
            abandonner(remplacements, 0);
            return {compte.messages, false};
        }
    }
    for (std::size_t i = 0; i < remplacements.size(); ++i) {
        const Engagement::Remplacement& remplacement = remplacements[i];
        std::error_code code;
        // The earlier file's permissions go over to the new one: the store's choice stays.
        const fs::file_status avant = fs::symlink_status(remplacement.nom, code);
        if (fs::is_regular_file(avant)) {
            fs::permissions(remplacement.temporaire, avant.permissions(), code);
        }
        code = remplacerFichier(remplacement.temporaire, remplacement.nom);
        if (code) {
            compte.messages += leFichier(remplacement.nom) +
                               " ne peut pas etre remplace : " + code.message() + "\n";
            abandonner(remplacements, i);
            return {compte.messages, false};
        }
    }
    for (const Engagement::Retrait& retrait : engagement.retraits) {
        if (!fichierOuLien(retrait.nom)) continue;
        const std::error_code code = retirerFichier(retrait.nom);
        if (code) {
            compte.messages +=
                leFichier(retrait.nom) + " ne peut pas etre retire : " + code.message() + "\n";
            compte.reussi = false;
        } else if (retrait.dire) {
            compte.messages +=
                leFichier(retrait.nom) + " est retire : il ne correspond plus aux factures\n";
        }
    }
    // A folder that cannot be flushed (some network shares) has been written all the same.
    forcerDossier(".");
    if (engagement.date.empty()) return compte;
    Registre registre = lireRegistre();  // another run may have put a day in it since
    registre[engagement.date] = engagement.trace;
    const std::error_code code = ecrireRegistre(registre);
    if (code) {
        compte.messages +=
            leFichier(nomRegistre) + " ne peut pas etre ecrit : " + code.message() + "\n";
        compte.reussi = false;
    }
    return compte;
}

Validation::~Validation() {
    if (!fil_.joinable()) return;
    {
        const std::lock_guard<std::mutex> verrou(verrou_);
        fini_ = true;
    }
    signal_.notify_all();
    fil_.join();
}

void Validation::confier(Engagement engagement) {
    if (!fil_.joinable() && !sansFil_) {
        try {
            fil_ = std::thread(&Validation::travailler, this);
        } catch (const std::system_error&) {
            sansFil_ = true;
        }
    }
    ++confies_;
    if (sansFil_) {
        comptes_.push_back(engager(engagement));
        return;
    }
    {
        const std::lock_guard<std::mutex> verrou(verrou_);
        aFaire_.push_back(std::move(engagement));
    }
    signal_.notify_all();
}

bool Validation::rendreCompte(std::ostream& messages, bool tous) {
    const std::size_t voulus = tous || confies_ == 0 ? confies_ : confies_ - 1;
    std::vector<Compte> aRendre;
    {
        std::unique_lock<std::mutex> verrou(verrou_);
        signal_.wait(verrou, [&] { return comptes_.size() >= voulus; });
        for (; rendus_ < voulus; ++rendus_) aRendre.push_back(std::move(comptes_[rendus_]));
    }
    bool reussi = true;
    for (const Compte& compte : aRendre) {
        messages << compte.messages << std::flush;
        reussi = reussi && compte.reussi;
    }
    return reussi;
}

void Validation::travailler() {
    for (;;) {
        std::unique_lock<std::mutex> verrou(verrou_);
        signal_.wait(verrou, [this] { return !aFaire_.empty() || fini_; });
        if (aFaire_.empty()) return;
        const Engagement engagement = std::move(aFaire_.front());
        aFaire_.pop_front();
        verrou.unlock();
        Compte compte = engager(engagement);
        verrou.lock();
        comptes_.push_back(std::move(compte));
        verrou.unlock();
        signal_.notify_all();
    }
}
