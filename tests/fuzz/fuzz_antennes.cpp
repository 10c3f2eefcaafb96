// SPDX-License-Identifier: GPL-3.0-or-later
// The antenna designers on arbitrary inputs: the wire types, the Quad/Delta-Loop and Yagi designs,
// the Levy antenna and the shared header block. Whatever comes in, nothing crashes; on inputs the
// window can give, every text is free of nan/inf and the dimensions are finite.
#include "antennas/commun.h"
#include "antennas/filaire.h"
#include "antennas/levy.h"
#include "antennas/quad.h"
#include "antennas/yagi.h"
#include "tests/fuzz/octets.h"

#include <cmath>

using namespace antennes;

namespace {

void lignes(const Lignes &l)
{
    for (const QString &t : l) fuzz::texte(t, "result line");
}

// A frequency as the entry fields give it: usable and at least 0.1 MHz.
float frequence(fuzz::Octets &o, bool realiste)
{
    float f = o.simple();
    if (realiste && !(frequenceUtilisable(f) && f >= 0.1f)) f = 14.2f;
    return f;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::reglagesFrancais();
    fuzz::Octets o(data, size);
    const bool realiste = o.oui();

    {   // Wire types.
        EntreeFilaire e;
        e.type = realiste ? o.indice(kTypesFilaires) % kTypesFilaires : o.indice(kTypesFilaires);
        if (e.type < 0) e.type = realiste ? 0 : e.type;
        e.frequence = frequence(o, realiste);
        e.facteur = o.simple();
        if (realiste && !(e.facteur >= 0.69f && e.facteur < 1.1f)) e.facteur = facteurDuType(e.type);
        // The cable's name comes from the cable list, shown as the file spells it.
        e.cable = realiste ? fuzz::sansMotInterdit(o.texte()) : o.texte();
        e.facteurVelocite = realiste ? facteurVelociteDe(e.cable) : o.simple();
        facteurDuType(o.indice(kTypesFilaires));
        typeAvecCable(o.indice(kTypesFilaires));
        const ResultatFilaire r = calculerFilaire(e);
        if (realiste) {
            lignes(r.lignes);
            fuzz::fini(r.longueur, "wire length");
            // The main length is the type's fraction of the wavelength times the factor: L x F / k
            // is the same at every frequency (75, 150, 450 or 300 metres-MHz).
            static constexpr double kFractions[kTypesFilaires] = {75, 150, 150, 450, 300, 150, 300, 150};
            if (e.type >= 0 && e.type < kTypesFilaires && r.longueur > 0) {
                const double constante = double(r.longueur) * e.frequence / (double(e.facteur) * kFractions[e.type]);
                fuzz::verifier(std::abs(constante - 1) < 1e-6, "wire length x F / k is the type's constant",
                               QString::number(constante, 'g', 17));
            }
            fuzz::fini(r.longueurOnde, "wavelength");
            const QString bande = bandeDeLongueurOnde(r.longueurOnde);
            fuzz::texte(bande, "band text");
            fuzz::texte(boiteResultats(enTete(bande, e.frequence, r.longueurOnde, kTiretsFilaire),
                                       r.lignes),
                        "wire result box");
        } else {
            bandeDeLongueurOnde(r.longueurOnde);
            enTete(o.texte(), o.simple(), o.simple(), o.oui() ? kTiretsQuad : kTiretsYagi);
        }
    }

    {   // Quad / Delta-Loop and Yagi designs.
        EntreeModele e;
        e.modele = o.indice(kModelesQuad);
        e.frequence = frequence(o, realiste);
        e.bande = o.indice(14);
        if (realiste) {
            if (e.modele >= kModelesQuad || e.modele < 0) e.modele = 0;
            if (e.bande < 0 || e.bande > 13) e.bande = 0;
        }
        const ResultatModele q = calculerQuad(e);
        if (e.modele >= kModelesYagi && realiste) e.modele %= kModelesYagi;
        const ResultatModele y = calculerYagi(e);
        allocationBande(e.bande);
        if (realiste) {
            lignes(q.lignes);
            lignes(y.lignes);
            fuzz::fini(q.boom, "quad boom");
            fuzz::fini(y.boom, "yagi boom");
        }
    }

    {   // Levy: the length may have gone through unit changes any number of times.
        EntreeLevy e;
        e.frequence = frequence(o, realiste);
        e.longueur = o.simple();
        if (realiste && !fuzz::positif(e.longueur)) e.longueur = 42.4f;
        for (int n = o.octet() % 4; n > 0; --n)
            e.longueur = o.oui() ? piedsEnMetres(e.longueur) : metresEnPieds(e.longueur);
        e.choix = o.indice(kChoixLevy);
        e.ligne = o.indice(kLignesLevy);
        e.metres = o.oui();
        if (realiste) {
            if (e.choix >= kChoixLevy || e.choix < -1) e.choix = 0;
            if (e.ligne < 0 || e.ligne >= kLignesLevy) e.ligne = 0;
            if (!fuzz::positif(e.longueur)) e.longueur = 42.4f;
        }
        facteurLigneLevy(o.indice(kLignesLevy));
        const ResultatLevy r = calculerLevy(e);
        if (realiste) {
            fuzz::texte(r.texte, "Levy result box");
            fuzz::texte(r.texteLongueur, "Levy length");
            fuzz::texte(r.texteFrequence, "Levy frequency");
            fuzz::fini(r.longueur, "Levy length");
            for (double x : r.optimales) fuzz::fini(x, "Levy optimal line");
            for (double x : r.aEviter) fuzz::fini(x, "Levy line to avoid");
        }
    }
    return 0;
}
