// The program's own mode, without settings: its store, its discounts, its 2006 taxes, every
// amount a float, and the invoice printers that go with them.
#pragma once

#include <ostream>
#include <string_view>

#include "calcul/facturation.hpp"
#include "report/facture.hpp"
#include "report/sommaire.hpp"
#include "ventes/ventes.hpp"

struct ModeProgramme {
    using FactureJour = Facture;
    using Totaux = TotauxJour;
    using ArticleJour = Article;

    TableRabais rabais;

    std::size_t lignesEntete() const { return lignesEnteteFacture; }

    // The program's words are as they always were: none is doubtful.
    bool categorieDouteuse(std::string_view /*type*/) const { return false; }
    bool selectionDouteuse(char /*sel*/) const { return false; }

    void entete(std::ostream& sortie, long long noFacture, std::string_view dateFact, int noClient,
                std::string_view prenom, std::string_view nom) const {
        ecrireEnteteFacture(sortie, noFacture, dateFact, noClient, prenom, nom);
    }

    // Computes one item line, adds it to the invoice and writes it; the rate is printed
    // truncated.
    void article(std::ostream& sortie, Facture& facture, CategorieClient categorie,
                 const Article& article, std::string_view description) const {
        const LigneCalculee ligne =
            ajouterLigne(facture, rabais, categorie, article.qty, article.prix, article.sel);
        ecrireLigneFacture(sortie, article.noArticle, description, article.qty, article.prix,
                           ligne.sousTotal, article.sel, static_cast<int>(ligne.tauxRabais),
                           ligne.totalLigne);
    }

    // The taxes, then the footer.
    void pied(std::ostream& sortie, Facture& facture) const {
        calculerTaxes(facture);
        ecrirePiedFacture(sortie, facture.sousTotalFacture, facture.tps, facture.tvq,
                          facture.totalFacture, facture.nbArticleFacture, facture.rabaisFacture);
    }

    void sommaire(std::ostream& sortie, std::string_view dateFact, const TotauxJour& t) const {
        ecrireSommaire(sortie, dateFact, t.nbFactures, t.nbArticles, t.montantAvantRabais,
                       t.montantRabais, t.montantTaxes, t.montantTotal, t.nbMembre, t.nbVip,
                       t.nbNonMembre);
    }
};
