#include "german_names.h"

namespace kis::demo {

const std::vector<std::string>& FemaleFirstNames() {
    static const std::vector<std::string> v = {
        "Anna", "Andrea", "Angelika", "Anja", "Barbara", "Bärbel", "Birgit", "Brigitte",
        "Christa", "Christine", "Claudia", "Daniela", "Doris", "Elke", "Emma", "Erika",
        "Eva", "Franziska", "Gabriele", "Gisela", "Hannelore", "Heike", "Helga", "Ingrid",
        "Jana", "Johanna", "Julia", "Jutta", "Karin", "Katharina", "Kerstin", "Lea",
        "Lena", "Luise", "Maria", "Marie", "Martina", "Monika", "Nicole", "Petra",
        "Renate", "Sabine", "Sandra", "Silke", "Sophie", "Stefanie", "Susanne", "Ursula",
        "Ute", "Yvonne", "Zoë", "Dörte", "Jördis", "Mareike", "Anke", "Frauke",
    };
    return v;
}

const std::vector<std::string>& MaleFirstNames() {
    static const std::vector<std::string> v = {
        "Alexander", "Andreas", "Bernd", "Björn", "Christian", "Daniel", "Dieter", "Dirk",
        "Felix", "Florian", "Frank", "Georg", "Gerd", "Günter", "Hans", "Heinz",
        "Helmut", "Holger", "Horst", "Jan", "Jens", "Jörg", "Jürgen", "Karl",
        "Klaus", "Lukas", "Manfred", "Markus", "Martin", "Matthias", "Michael", "Niklas",
        "Oliver", "Paul", "Peter", "Ralf", "René", "Sebastian", "Stefan", "Sören",
        "Thomas", "Thorsten", "Tobias", "Uwe", "Volker", "Werner", "Wolfgang", "Uli",
        "Maximilian", "Jonas", "Lutz", "Till", "Ömer", "Kai",
    };
    return v;
}

const std::vector<std::string>& Surnames() {
    static const std::vector<std::string> v = {
        "Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner", "Becker",
        "Schulz", "Hoffmann", "Schäfer", "Koch", "Bauer", "Richter", "Klein", "Wolf",
        "Schröder", "Neumann", "Schwarz", "Zimmermann", "Braun", "Krüger", "Hofmann", "Hartmann",
        "Lange", "Schmitt", "Werner", "Schmitz", "Krause", "Meier", "Lehmann", "Schmid",
        "Schulze", "Maier", "Köhler", "Herrmann", "König", "Walter", "Mayer", "Huber",
        "Kaiser", "Fuchs", "Peters", "Lang", "Scholz", "Möller", "Weiß", "Jung",
        "Hahn", "Schubert", "Vogel", "Friedrich", "Keller", "Günther", "Frank", "Berger",
        "Winkler", "Roth", "Beck", "Lorenz", "Baumann", "Franke", "Albrecht", "Schuster",
        "Simon", "Ludwig", "Böhm", "Winter", "Kraus", "Martin", "Schumacher", "Krämer",
        "Vogt", "Stein", "Jäger", "Otto", "Sommer", "Groß", "Seidel", "Heinrich",
        "Brandt", "Haas", "Schreiber", "Graf", "Schulte", "Dietrich", "Ziegler", "Kuhn",
        "Kühn", "Pohl", "Engel", "Horn", "Busch", "Bergmann", "Thomas", "Voigt",
        "Sauer", "Arnold", "Wolff", "Pfeiffer", "Hübner", "Fröhlich", "Lübke", "Bäcker",
        "Schütz", "Gärtner", "Döring", "Größer", "Özdemir", "Nowak", "von Ahlefeldt", "Strauß",
        "Mäder", "Schönfeld", "Rößler", "Büttner", "Thürmer", "Ölschläger", "Abel", "Zöllner",
    };
    return v;
}

const std::vector<std::string>& Streets() {
    static const std::vector<std::string> v = {
        "Hauptstraße", "Bahnhofstraße", "Schillerstraße", "Goethestraße", "Lindenweg",
        "Am Mühlbach", "Kirchgasse", "Rosenstraße", "Gartenstraße", "Bergstraße",
        "Waldstraße", "Dorfstraße", "Schulstraße", "Friedrich-Ebert-Straße", "Königsallee",
        "Marktplatz", "Mozartstraße", "Birkenweg", "Ahornweg", "Jahnstraße",
        "Kastanienallee", "Lessingstraße", "Uhlandstraße", "Wilhelmstraße", "Feldstraße",
        "Mühlenweg", "Am Anger", "Brückenstraße", "Poststraße", "Ringstraße",
        "Tulpenweg", "Eichendorffstraße", "Heinestraße", "Kantstraße", "Sonnenhang",
        "Über den Höfen", "Große Bäckerstraße", "Fährstraße", "Grüner Weg", "Schloßallee",
        "Am Bürgerpark", "Lärchenweg", "Kölner Straße", "Münchener Straße", "Nürnberger Straße",
        "Weißdornweg", "Fröbelstraße", "Zur Mühle", "Am Wäldchen", "Talstraße",
    };
    return v;
}

const std::vector<Place>& Places() {
    static const std::vector<Place> v = {
        {"20095", "Hamburg"}, {"10115", "Berlin"}, {"80331", "München"}, {"50667", "Köln"},
        {"60311", "Frankfurt am Main"}, {"70173", "Stuttgart"}, {"40213", "Düsseldorf"},
        {"44135", "Dortmund"}, {"45127", "Essen"}, {"04109", "Leipzig"}, {"28195", "Bremen"},
        {"01067", "Dresden"}, {"30159", "Hannover"}, {"90402", "Nürnberg"},
        {"47051", "Duisburg"}, {"44787", "Bochum"}, {"42103", "Wuppertal"},
        {"33602", "Bielefeld"}, {"53111", "Bonn"}, {"48143", "Münster"},
        {"76133", "Karlsruhe"}, {"68159", "Mannheim"}, {"86150", "Augsburg"},
        {"65183", "Wiesbaden"}, {"41061", "Mönchengladbach"}, {"38100", "Braunschweig"},
        {"24103", "Kiel"}, {"09111", "Chemnitz"}, {"06108", "Halle (Saale)"},
        {"39104", "Magdeburg"}, {"79098", "Freiburg im Breisgau"}, {"23552", "Lübeck"},
        {"99084", "Erfurt"}, {"55116", "Mainz"}, {"18055", "Rostock"}, {"34117", "Kassel"},
        {"97070", "Würzburg"}, {"93047", "Regensburg"}, {"89073", "Ulm"},
        {"37073", "Göttingen"}, {"49074", "Osnabrück"}, {"26122", "Oldenburg"},
        {"72070", "Tübingen"}, {"78462", "Konstanz"}, {"83022", "Rosenheim"},
        {"21335", "Lüneburg"}, {"19053", "Schwerin"}, {"14467", "Potsdam"},
        {"66111", "Saarbrücken"}, {"54290", "Trier"}, {"87435", "Kempten (Allgäu)"},
        {"94032", "Passau"}, {"25746", "Heide"}, {"31134", "Hildesheim"},
    };
    return v;
}

}  // namespace kis::demo
