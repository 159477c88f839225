#include "pages/ServerInformationPage.h"

#include "settings/ServerInformationSettings.h"

#include "config/ConfigText.h"
#include "controls/TLMDEdit.h"
#include "controls/TLMDListComboBox.h"
#include "controls/TLMDTextButton.h"

#include <QCheckBox>

using namespace settings::serverInformation;

namespace {

// In the order the list shows them; the doubled apostrophes are part of the names.
constexpr const char* locations[] = {"Afghanistan",
                                     "Albania",
                                     "Algeria",
                                     "Andorra",
                                     "Angola",
                                     "Anguilla",
                                     "Antartica",
                                     "Antigua and Barbuda",
                                     "Argentina",
                                     "Armenia",
                                     "Aruba",
                                     "Australia",
                                     "Austria",
                                     "Azerbaijan",
                                     "Bahamas",
                                     "Bahrain",
                                     "Bangladesh",
                                     "Barbados",
                                     "Belarus",
                                     "Belgium",
                                     "Belize",
                                     "Benin",
                                     "Bermuda",
                                     "Bhutan",
                                     "Bolivia",
                                     "Bosnia and Herzegovina",
                                     "Botswana",
                                     "Bouvet Island",
                                     "Brazil",
                                     "British Indian Ocean Territory",
                                     "Brunei Darussalam",
                                     "Bulgaria",
                                     "Burkina Faso",
                                     "Burundi",
                                     "Cambodia",
                                     "Cameroon",
                                     "Canada",
                                     "Cape Verde",
                                     "Cayman Islands",
                                     "Central African Republic",
                                     "Chad",
                                     "Chile",
                                     "China",
                                     "Christmas Island",
                                     "Cocos (Keeling) Islands",
                                     "Colombia",
                                     "Comoros",
                                     "Congo",
                                     "Cook Islands",
                                     "Costa Rica",
                                     "Cote D''Ivoire",
                                     "Croatia",
                                     "Cuba",
                                     "Cyprus",
                                     "Czech Republic",
                                     "Denmark",
                                     "Djibouti",
                                     "Dominica",
                                     "Dominican Republic",
                                     "East Timor",
                                     "Ecuador",
                                     "Egypt",
                                     "El Salvador",
                                     "Equatorial Guinea",
                                     "Estonia",
                                     "Ethiopia",
                                     "Faeroe Islands",
                                     "Falkland Islands (Malvinas)",
                                     "Fiji",
                                     "Finland",
                                     "France",
                                     "French Guiana",
                                     "French Polynesia",
                                     "French Southern Territories",
                                     "Gabon",
                                     "Gambia",
                                     "Georgia",
                                     "Germany",
                                     "Ghana",
                                     "Gibraltar",
                                     "Greece",
                                     "Greenland",
                                     "Grenada",
                                     "Guadeloupe",
                                     "Guatemala",
                                     "Guernsey, C.I.",
                                     "Guinea",
                                     "Guinea-Bissau",
                                     "Guyana",
                                     "Haiti",
                                     "Heard and McDonald Islands",
                                     "Honduras",
                                     "Hong Kong",
                                     "Hungary",
                                     "Iceland",
                                     "India",
                                     "Indonesia",
                                     "Iran (Islamic Republic of)",
                                     "Iraq",
                                     "Ireland",
                                     "Isle of Man",
                                     "Israel",
                                     "Italy",
                                     "Jamaica",
                                     "Japan",
                                     "Jersey, C.I.",
                                     "Jordan",
                                     "Kazakhstan",
                                     "Kenya",
                                     "Kiribati",
                                     "Korea, Dem. People''s Rep of",
                                     "Korea, Republic of",
                                     "Kuwait",
                                     "Kyrgyzstan",
                                     "Lao Peoples Democratic Republi",
                                     "Latvia",
                                     "Lebanon",
                                     "Lesotho",
                                     "Liberia",
                                     "Libyan Arab Jamahiriya",
                                     "Liechtenstein",
                                     "Lithuania",
                                     "Luxembourg",
                                     "Macau",
                                     "Macedonia, FYROM",
                                     "Madagascar",
                                     "Malawi",
                                     "Malaysia",
                                     "Maldives",
                                     "Mali",
                                     "Malta",
                                     "Marshall Islands",
                                     "Martinique",
                                     "Mauritania",
                                     "Mauritius",
                                     "Mexico",
                                     "Micronesia, Fed. States of",
                                     "Moldova, Republic of",
                                     "Monaco",
                                     "Mongolia",
                                     "Montserrat",
                                     "Morocco",
                                     "Mozambique",
                                     "Myanmar",
                                     "Namibia",
                                     "Nauru",
                                     "Nepal",
                                     "Netherland Antilles",
                                     "Netherlands",
                                     "Neutral Zone (Saudi/Iraq)",
                                     "New Caledonia",
                                     "New Zealand",
                                     "Nicaragua",
                                     "Niger",
                                     "Nigeria",
                                     "Niue",
                                     "Norfolk Island",
                                     "Northern Mariana Islands",
                                     "Norway",
                                     "Oman",
                                     "Pakistan",
                                     "Palau",
                                     "Panama",
                                     "Panama Canal Zone",
                                     "Papua New Guinea",
                                     "Paraguay",
                                     "Peru",
                                     "Philippines",
                                     "Pitcairn",
                                     "Poland",
                                     "Portugal",
                                     "Puerto Rico",
                                     "Qatar",
                                     "Reunion",
                                     "Romania",
                                     "Russian Federation",
                                     "Rwanda",
                                     "Saint Kitts and Nevis",
                                     "Saint Lucia",
                                     "Samoa",
                                     "San Marino",
                                     "Sao Tome and Principe",
                                     "Saudi Arabia",
                                     "Senegal",
                                     "Serbia and Montenegro",
                                     "Seychelles",
                                     "Sierra Leone",
                                     "Singapore",
                                     "Slovakia",
                                     "Slovenia",
                                     "Solomon Islands",
                                     "Somalia",
                                     "South Africa",
                                     "Spain",
                                     "Sri Lanka",
                                     "St. Helena",
                                     "St. Pierre and Miquelon",
                                     "St. Vincent and the Grenadines",
                                     "Sudan",
                                     "Suriname",
                                     "Svalbard and Jan Mayen Islands",
                                     "Swaziland",
                                     "Sweden",
                                     "Switzerland",
                                     "Syrian Arab Republic",
                                     "Taiwan",
                                     "Tajikistan",
                                     "Tanzania, United Republic of",
                                     "Thailand",
                                     "Togo",
                                     "Tokelau",
                                     "Tonga",
                                     "Trinidad and Tobago",
                                     "Tunisia",
                                     "Turkey",
                                     "Turkmenistan",
                                     "Turks and Caicos Islands",
                                     "Tuvalu",
                                     "U.A.E.",
                                     "U.S.Minor Outlying Islands",
                                     "Uganda",
                                     "Ukraine",
                                     "United Kingdom",
                                     "United States",
                                     "Uruguay",
                                     "Uzbekistan",
                                     "Vanuatu",
                                     "Vatican City State",
                                     "Venezuela",
                                     "Viet Nam",
                                     "Virgin Islands (British)",
                                     "Wallis and Futuna Islands",
                                     "Western Sahara",
                                     "Yemen, Republic of",
                                     "Zaire",
                                     "Zambia",
                                     "Zimbabwe"};

constexpr int kColumnWidth = 380;
constexpr int kRowsTop = 50;
constexpr int kPitch = 26;

} // namespace

ServerInformationPage::ServerInformationPage(QWidget* parent)
    : SettingsPage(PageId::ServerInformation, parent) {
    RowColumn left(
        this, {.x = 0, .top = kRowsTop, .width = kColumnWidth, .labelWidth = 90, .pitch = kPitch});
    RowColumn right(this, {.x = kColumnWidth + kDivider,
                           .top = kRowsTop,
                           .width = kWidth - kColumnWidth - kDivider,
                           .labelWidth = 96,
                           .pitch = kPitch});
    left.add(0);
    right.add(1);
    addColumnDivider(kColumnWidth);

    TLMDListComboBox* location = rowOf(".Location").list;
    for (const char* name : locations)
        location->addItem(QString::fromLatin1(name));
    // Empty at start, with no item picked.
    location->setCurrentIndex(-1);
    location->setEditText(QString());

    // Just above the server-name edit.
    auto* colours = new TLMDTextButton(tr("Click here to test colors"), this);
    colours->setObjectName(QStringLiteral("LMDTextButton29"));
    const QRect name = rowOf("sv_hostname").valueArea;
    colours->setGeometry(name.x(), kTitleHeight + 4, 170, kRowsTop - kTitleHeight - 6);

    addCornerPicture(":/pic-network.png");
    finishRows();
}

void ServerInformationPage::writeSection(Section, ConfigText& text) const {
    const QList<RowControls>& all = rows();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const RowControls& row = all[i];
        if (row.row->form != LineForm::Contact) {
            row.write(text);
            continue;
        }
        // A contact pair: the first and the second row of one key, one after the other.
        if (i + 1 < all.size() && declaration::same(all[i + 1].row->variable, row.row->variable))
            writeContact(text, row, all[i + 1]);
    }
}

// The plain key names the first contact only while the second is left out; as soon as the
// second is included the first is numbered 1. The second is always numbered 2.
void ServerInformationPage::writeContact(ConfigText& text, const RowControls& first,
                                         const RowControls& second) {
    const QString key = QString::fromLatin1(first.row->variable);
    if (first.isIncluded())
        text.infoLine(second.isIncluded() ? key + QLatin1Char('1') : key, first.text());
    if (second.isIncluded())
        text.infoLine(key + QLatin1Char('2'), second.text());
}

void ServerInformationPage::take(Opening& opening) {
    SettingsPage::take(opening);
    const QList<RowControls>& all = rows();
    for (qsizetype i = 0; i + 1 < all.size(); ++i) {
        const RowControls& first = all[i];
        const RowControls& second = all[i + 1];
        if (first.row->form != LineForm::Contact ||
            !declaration::same(first.row->variable, second.row->variable))
            continue;
        // Only keys the pair writes back as they stand: .Key alone, or .Key1 with .Key2, or .Key2.
        const QString key = QString::fromLatin1(first.row->variable);
        auto info = [&opening](const QString& name) {
            Opening::Setting* found = opening.find(name);
            return found && found->verb == ServerScript::Verb::Sets ? found : nullptr;
        };
        Opening::Setting* numbered = info(key + QLatin1Char('1'));
        Opening::Setting* alone = info(key);
        if (Opening::Setting* other = info(key + QLatin1Char('2'))) {
            other->taken = second.take(other->value);
            if (numbered)
                numbered->taken = first.take(numbered->value);
        } else if (alone) {
            alone->taken = first.take(alone->value);
        }
    }
}
