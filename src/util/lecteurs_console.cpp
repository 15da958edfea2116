#include "util/lecteurs_console.hpp"

#include <iostream>

#include "util/dialogue.hpp"

float lireReel(std::string invite) {
    float valeur = 0.0f;
    for (;;) {
        viderEntree();
        ecrireInvite(invite);
        if (std::cin >> valeur) return valeur;
        if (std::cin.eof()) return 0.0f;
    }
}

int lireEntier(std::string invite) {
    int valeur = 0;
    for (;;) {
        viderEntree();
        ecrireInvite(invite);
        if (std::cin >> valeur) return valeur;
        if (std::cin.eof()) return 0;
    }
}

float lireReelPositif(std::string invite) {
    float valeur = lireReel(invite);
    while (!(valeur > 0.0f) && !std::cin.eof()) {
        std::cout << " vous devez entrer une valeur positive et non nulle ";
        valeur = lireReel(invite);
    }
    return valeur > 0.0f ? valeur : 0.0f;
}

int lireEntierPositif(std::string invite) {
    int valeur = lireEntier(invite);
    while (valeur < 1 && !std::cin.eof()) valeur = lireEntier(invite);
    return valeur < 1 ? 0 : valeur;
}

std::string lireTexte(std::string invite) {
    viderEntree();
    std::string saisie;
    while (saisie.empty()) {
        std::cout << '\n' << invite << '\n' << std::flush;
        if (!std::getline(std::cin, saisie)) return std::string();
    }
    return saisie;
}

char lireCaractere(std::string invite) {
    viderEntree();
    ecrireInvite(invite);
    const int c = std::cin.get();
    return c == std::char_traits<char>::eof() ? '\0' : static_cast<char>(c);
}

char lireChoix(std::string invite, std::string permis) {
    for (;;) {
        const char c = lireCaractere(invite);
        if (std::cin.eof()) return '\0';
        if (caractereDansListe(c, permis)) return c;
    }
}

bool caractereDansListe(char c, std::string liste) {
    for (const char permis : liste) {
        if (majuscule(c) == majuscule(permis)) return true;
    }
    return false;
}

bool lireChamp(std::istream& flux, int& valeur) {
    return !(flux >> valeur).fail();
}
bool lireChamp(std::istream& flux, float& valeur) {
    return !(flux >> valeur).fail();
}
bool lireChamp(std::istream& flux, char& valeur) {
    return !flux.get(valeur).fail();
}
bool lireChamp(std::istream& flux, std::string& valeur) {
    return !(flux >> valeur).fail();
}
