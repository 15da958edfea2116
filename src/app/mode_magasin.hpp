// The store's mode, with its settings: its identity and discounts, the taxes of the day's
// period, every amount in exact cents, and the store's invoice printers.
#pragma once

#include <ostream>
#include <string_view>

#include "calcul/centimes.hpp"
#include "magasin/magasin.hpp"
#include "report/facture_magasin.hpp"
#include "util/casse.hpp"
#include "ventes/ventes.hpp"

struct ModeMagasin {
    using FactureJour = FactureCentimes;
    using Totaux = TotauxJourCentimes;
    using ArticleJour = ArticleCentimes;

    const TableRabais& rabais;
    TauxTaxes taux;
    TextesMagasin textes;

    ModeMagasin(const Magasin& magasin, const PeriodeTaxes& periode)
        : rabais(magasin.rabais),
          taux(periode.taux),
          textes(preparerTextesMagasin(magasin.identite, periode.libelleTps, periode.libelleTvq)) {
    }

    std::size_t lignesEntete() const { return textes.lignesEntete; }

    // A category written in other letters' case (VIP, Membre), or the flag S, is taken as
    // the program takes it, and said: the store most likely meant the discount.
    bool categorieDouteuse(std::string_view type) const {
        return categorieClient(type) == CategorieClient::NonMembre &&
               (memeMotSansCasse(type, "membre") || memeMotSansCasse(type, "vip"));
    }
    bool selectionDouteuse(char sel) const { return sel == 'S'; }

    void entete(std::ostream& sortie, long long noFacture, std::string_view dateFact, int noClient,
                std::string_view prenom, std::string_view nom) const {
        ecrireEnteteMagasin(sortie, textes, noFacture, dateFact, noClient, prenom, nom);
    }

    void article(std::ostream& sortie, FactureCentimes& facture, CategorieClient categorie,
                 const ArticleCentimes& article, std::string_view description) const {
        const LigneCentimes ligne =
            ajouterLigne(facture, rabais, categorie, article.qty, article.prix, article.sel);
        ecrireLigneMagasin(sortie, {article.noArticle, description, article.qty,
                                    static_cast<Centimes>(article.prix), ligne.sousTotal,
                                    article.sel, ligne.tauxRabais, ligne.totalLigne});
    }

    void pied(std::ostream& sortie, FactureCentimes& facture) const {
        calculerTaxes(facture, taux);
        ecrirePiedMagasin(sortie, textes, facture);
    }

    void sommaire(std::ostream& sortie, std::string_view dateFact,
                  const TotauxJourCentimes& totaux) const {
        ecrireSommaireMagasin(sortie, dateFact, totaux);
    }
};
