#include "generator/bank_layouts.h"

namespace tarvolo {

// Each bank's header as its exports write it; the roles name the columns the
// generator fills, every other column stays empty.
// clang-format off
const std::vector<BankLayout> kBankLayouts = {
    {"servis24", ";", Quoting::kNone, "w", "yyyy/mm/dd", ',', ' ', false, false, 0, false,
     "", "", nullptr, nullptr, "", "",
     "Číslo položky|Datum splatnosti|Částka|Protiúčet|Název protiúčtu|Variabilní symbol|Měna|"
     "Datum zaúčtování|Konstantní symbol|Specifický symbol|Zpráva pro příjemce|Poznámka",
     "Číslo položky=id|Datum splatnosti=date|Částka=amount|Protiúčet=counter0|"
     "Název protiúčtu=name|Variabilní symbol=vs|Měna=cur|Datum zaúčtování=date|"
     "Konstantní symbol=ks|Specifický symbol=ss|Zpráva pro příjemce=msg"},
    {"business24", ";", Quoting::kNone, "w", "yyyy/mm/dd", ',', 0, false, false, 0, false,
     "Incoming", "Outgoing", nullptr, nullptr,
     "Prefix;000000\nAccount number;2000145399\nStart date of the period;{FROM}\n"
     "End date of the period;{TO}\nOpening balance;{OPEN}\nFinal balance;{CLOSE}\n"
     "Debet (-);-{DEBIT}\nCredit;{CREDIT}\n\n", "",
     "Payer's/payee's account prefix|Payer's/payee's account number|Payer's/payee's bank code|"
     "Amount (Transaction)|Incoming/outgoing (credit-debit item)|Accounting/non-accounting item|"
     "Constant symbol|Specific symbol|Item|Counteraccount name|Bank reference|Message for payee|"
     "Message for payer|Value date|Processing date|Variable symbol 1|Variable symbol 2|"
     "Payment reference|Reason for non-execution",
     "Payer's/payee's account prefix=cprefix|Payer's/payee's account number=cbare|"
     "Payer's/payee's bank code=bank|Amount (Transaction)=amount|"
     "Incoming/outgoing (credit-debit item)=dir|Accounting/non-accounting item='Accounting|"
     "Constant symbol=ks|Specific symbol=ss|Item='Domestic payment|Counteraccount name=name|"
     "Bank reference=id|Message for payee=msg|Value date=value|Processing date=date|"
     "Variable symbol 1=vs"},
    {"csob", ";", Quoting::kNone, "w", "dd.mm.yyyy", ',', 0, false, false, 0, false,
     "", "", nullptr, nullptr,
     "Pohyby na účtu na účtu 2000145399/0300 ze dne 01.10.2014 10:11:12;;;;;;;;;;;;;\n"
     ";;;;;;;;;;;;;", "",
     "číslo účtu|datum zaúčtování|částka|měna|zůstatek|číslo účtu protiúčtu|"
     "kód banky protiúčtu|název účtu protiúčtu|konstantní symbol|variabilní symbol|"
     "specifický symbol|označení operace|ID transakce|poznámka",
     "číslo účtu='2000145399/0300|datum zaúčtování=date|částka=amount|měna=cur|zůstatek=balance|"
     "číslo účtu protiúčtu=cnum|kód banky protiúčtu=bank|název účtu protiúčtu=name|"
     "konstantní symbol=ks|variabilní symbol=vs|specifický symbol=ss|"
     "označení operace='Platba převodem|ID transakce=id|poznámka=msg"},
    {"fio", ";", Quoting::kAll, "bu", "dd.mm.yyyy", ',', 0, false, true, 0, false,
     "", "", nullptr, nullptr,
     "accountId;2000145399\nbankId;2010\ncurrency;CZK\niban;CZ7020100000002000145399\n"
     "bic;FIOBCZPPXXX\nopeningBalance;{OPEN_}\nclosingBalance;{CLOSE_}\ndateStart;{FROM}\n"
     "dateEnd;{TO}\nidFrom;1\nidTo;2\n", "",
     "ID operace|Datum|Objem|Měna|Protiúčet|Název protiúčtu|Kód banky|Název banky|KS|VS|SS|"
     "Poznámka|Zpráva pro příjemce|Typ|Provedl|Upřesnění|Poznámka|BIC|ID pokynu",
     "ID operace=id|Datum=date|Objem=amount|Měna=cur|Protiúčet=cnum|Název protiúčtu=name|"
     "Kód banky=bank|KS=ks|VS=vs|SS=ss|Zpráva pro příjemce=msg|Typ='Bezhotovostní platba"},
    {"kb", ";", Quoting::kNone, "w", "dd.mm.yyyy", ',', 0, true, false, 0, false,
     "Příchozí úhrada", "Odchozí úhrada", nullptr, nullptr,
     "Datum vytvoření souboru;01.10.2014\n\nČíslo účtu;2000145399/0100\n"
     "IBAN;CZ0901000000002000145399\nNázev účtu;Novák a syn s.r.o.\nMěna účtu;CZK\n"
     "Výpis za období;{FROM} - {TO}\n\nPočáteční zůstatek;{OPEN}\n"
     "Celkem odepsáno (-);-{DEBIT}\nCelkem připsáno (+);{CREDIT}\nKonečný zůstatek;{CLOSE}\n"
     "Počet položek;{COUNT}\n\n\n\n", "",
     "Datum splatnosti|Datum odepsání z\xA0jiné banky|Protiúčet a\xA0kód banky|Název protiúčtu|"
     "Částka|Originální částka|Originální měna|Kurz|VS|KS|SS|Identifikace transakce|"
     "Systémový popis|Popis příkazce|Popis pro\xA0příjemce|AV pole 1|AV pole 2|AV pole 3|"
     "AV pole 4",
     "Datum splatnosti=date|Protiúčet a\xA0kód banky=counter|Název protiúčtu=name|Částka=amount|"
     "Originální částka=amount|Originální měna='CZK|VS=vs|KS=ks|SS=ss|"
     "Identifikace transakce=id|Systémový popis=dir|Popis pro\xA0příjemce=msg"},
    {"kb-business", ";", Quoting::kNone, "w", "dd.mm.yyyy", ',', ' ', false, false, 0, false,
     "Prichozi uhrada", "Odchozi uhrada", nullptr, nullptr, "", "",
     "Datum vytvoreni souboru|Cislo uctu|Mena uctu|IBAN|Nazev uctu|Vypis ze dne|Cislo vypisu|"
     "Predchozi vypis ze dne|Pocet polozek|Pocatecni zustatek|Obrat debet|Obrat kredit|"
     "Konecny zustatek|Datum splatnosti|Datum odepsani JB|Protiucet|Kod banky protiuctu|"
     "Nazev protiuctu|Castka|VS|KS|SS|Identifikace transakce|Systemovy popis|Popis pro me|"
     "Popis pro prijemce|AV pole",
     "Datum vytvoreni souboru='01.10.2014|Cislo uctu='2000145399|Mena uctu='CZK|"
     "Nazev uctu='Novák a syn|Vypis ze dne='30.09.2014|Cislo vypisu='9|"
     "Predchozi vypis ze dne='31.08.2014|Pocet polozek=count|Pocatecni zustatek=open|"
     "Obrat debet=debit|Obrat kredit=credit|Konecny zustatek=close|Datum splatnosti=date|"
     "Protiucet=cjoin|Kod banky protiuctu=bank|Nazev protiuctu=name|Castka=amount|VS=vs|KS=ks|"
     "SS=ss|Identifikace transakce=id|Systemovy popis=dir|Popis pro prijemce=msg"},
    {"mbank", ";", Quoting::kNone, "w", "dd-mm-yyyy", ',', ' ', false, false, 0, false,
     "PŘÍCHOZÍ PLATBA", "ODCHOZÍ PLATBA", nullptr, nullptr,
     "mBank S.A., organizační složka;\n#Klient;\nNovák a syn s.r.o.;\n\n#Za období:;{FROM};{TO};\n"
     "#Měna účtu:;CZK;\n#Číslo účtu:;2000145399/6210;\n\n;;;;;;#Počáteční zůstatek:;{OPEN} CZK;\n",
     "\n;;;;;;#Konečný zůstatek:;{CLOSE} CZK;",
     "#Datum uskutečnění transakce|#Datum zaúčtování transakce|#Popis transakce|"
     "#Zpráva pro příjemce|#Plátce/Příjemce|#Číslo účtu plátce/příjemce|#KS|#VS|#SS|"
     "#Částka transakce|#Účetní zůstatek po transakci|",
     "#Datum uskutečnění transakce=date|#Datum zaúčtování transakce=date|#Popis transakce=dir|"
     "#Zpráva pro příjemce=msg|#Plátce/Příjemce=name|#Číslo účtu plátce/příjemce=counter|"
     "#KS=ks|#VS=vs|#SS=ss|#Částka transakce=amount|#Účetní zůstatek po transakci=balance"},
    {"moneta", ";", Quoting::kAll, "w", "dd.mm.yyyy", ',', 0, false, false, 0, false,
     "Příchozí platba", "Odchozí platba", nullptr, nullptr, "", "",
     "Číslo účtu|IBAN|Číslo protiúčtu|Banka protiúčtu|Název účtu příjemce|Splatnost|Odesláno|"
     "Částka|Měna|Variabilní Symbol|Specifický Symbol|Konstantní Symbol|Zpráva pro příjemce|"
     "Poznámka pro mě|Název kategorie|Typ transakce|Název trvalého příkazu|Popis platby|"
     "Popis platby 2|Bankovní reference",
     "Číslo účtu='2000145399|IBAN='CZ9206000000002000145399|Číslo protiúčtu=cnum|"
     "Banka protiúčtu=bank|Název účtu příjemce=name|Splatnost=date|Odesláno=date|"
     "Částka=amount|Měna=cur|Variabilní Symbol=vs|Specifický Symbol=ss|Konstantní Symbol=ks|"
     "Zpráva pro příjemce=msg|Typ transakce=dir|Bankovní reference=id"},
    {"raiffeisen", ";", Quoting::kNeeded, "uw", "dd.mm.yyyy", ',', ' ', false, false, 0, false,
     "Příchozí platba", "Platba", nullptr, nullptr, "", "",
     "Datum provedení|Datum zaúčtování|Číslo účtu|Název účtu|Kategorie transakce|"
     "Číslo protiúčtu|Název protiúčtu|Typ transakce|Zpráva|Poznámka|VS|KS|SS|"
     "Zaúčtovaná částka|Měna účtu|Původní částka a měna|Původní částka a měna|Poplatky|"
     "Id transakce|Vlastní poznámka|Název obchodníka|Město",
     "Datum provedení=date|Datum zaúčtování=dtm|Číslo účtu='2000145399/5500|"
     "Název účtu='Novák a syn s.r.o.|Číslo protiúčtu=counter|Název protiúčtu=name|"
     "Typ transakce=dir|Zpráva=msg|VS=vs|KS=ks|SS=ss|Zaúčtovaná částka=amount|Měna účtu='CZK|"
     "Id transakce=id"},
    {"raiffeisen-card", ";", Quoting::kNone, "w", "dd.mm.yyyy", ',', ' ', false, false, 0,
     false, "Splátka", "Platba kartou", nullptr, nullptr, "", "",
     "Číslo kreditní karty|Držitel karty|Datum transakce|Datum zúčtování|Typ transakce|"
     "Původní částka|Původní měna|Zaúčtovaná částka|Měna zaúčtování|Převodní kurs|"
     "Popis/Místo transakce|Vlastní poznámka|Název obchodníka|Město",
     "Číslo kreditní karty='5168 44** **** 1234|Držitel karty='Jan Novák|Datum transakce=date|"
     "Datum zúčtování=date|Typ transakce=dir|Původní částka=amount|Původní měna='CZK|"
     "Zaúčtovaná částka=amount|Měna zaúčtování='CZK|Popis/Místo transakce=msg"},
    {"airbank", ";,", Quoting::kAll, "wu", "dd/mm/yyyy", ',', ' ', false, false, -1, false,
     "Příchozí", "Odchozí", nullptr, nullptr, "", "",
     "Datum provedení|Směr úhrady|Typ úhrady|Kategorie plateb|Měna účtu|Částka v měně účtu|"
     "Poplatek v měně účtu|Původní měna úhrady|Původní částka úhrady|Název protistrany|"
     "Číslo účtu protistrany|Název účtu protistrany|Variabilní symbol|Konstantní symbol|"
     "Specifický symbol|Zdrojová obálka|Cílová obálka|Poznámka pro mne|Zpráva pro příjemce|"
     "Poznámka k úhradě|Název karty|Číslo karty|Držitel karty|Název zařízení|Obchodní místo|"
     "Směnný kurz|Odesílatel poslal|Poplatky jiných bank|Datum a čas zadání|Datum splatnosti|"
     "Datum schválení|Datum zaúčtování|Referenční číslo|Způsob zadání|Zadal|Zaúčtováno|"
     "Pojmenování příkazu|Název, adresa a stát protistrany|"
     "Název, adresa a stát banky protistrany|Typ poplatku|Účel úhrady|"
     "Zvláštní pokyny k úhradě|Související úhrady|Další identifikace úhrady|Způsob úhrady",
     "Datum provedení=date|Směr úhrady=dir|Typ úhrady='Úhrada|Měna účtu='CZK|"
     "Částka v měně účtu=amount|Poplatek v měně účtu=fee|Název protistrany=name|"
     "Číslo účtu protistrany=counter|Variabilní symbol=vs|Konstantní symbol=ks|"
     "Specifický symbol=ss|Zpráva pro příjemce=msg|Datum zaúčtování=date|Referenční číslo=id"},
    {"unicredit", ";", Quoting::kNone, "w", "dd.mm.yyyy", ',', 0, false, false, 0, false,
     "", "", nullptr, nullptr,
     "Název účtu;Číslo účtu;Měna;Zůstatek\nNovák a syn s.r.o.;2000145399/2700;CZK;125 430,50", "",
     "Účet|Částka|Měna|Datum zaúčtování|Valuta|Banka|Název banky|Název banky|Číslo účtu|"
     "Název účtu|Adresa|Adresa|Adresa|Detaily transakce|Detaily transakce|Detaily transakce|"
     "Detaily transakce|Detaily transakce|Detaily transakce|Konstatní kód|Variabilní kód|"
     "Specifický kód|Platební titul|Reference",
     "Účet='2000145399|Částka=amount|Měna=cur|Datum zaúčtování=date|Valuta=value|Banka=bank|"
     "Číslo účtu=cnum|Název účtu=name|Detaily transakce=msg|Konstatní kód=ks|"
     "Variabilní kód=vs|Specifický kód=ss|Reference=id"},
    {"revolut", ",", Quoting::kNeeded, "ub", "yyyy-mm-dd", '.', 0, false, false, 1, false,
     "", "", "COMPLETED", "PENDING|DECLINED|REVERTED", "", "",
     "Date started (UTC)|Date completed (UTC)|ID|Type|State|Description|Reference|Payer|"
     "Card number|Card label|Card state|Orig currency|Orig amount|Payment currency|Amount|"
     "Total amount|Exchange rate|Fee|Fee currency|Balance|Account|Beneficiary account number|"
     "Beneficiary sort code or routing number|Beneficiary IBAN|Beneficiary BIC|MCC|"
     "Related transaction id|Spend program",
     "Date started (UTC)=dt|Date completed (UTC)=done|ID=id|Type='TRANSFER|State=state|"
     "Description=msg|Orig currency=cur|Orig amount=amount|Payment currency=cur|Amount=amount|"
     "Total amount=total|Fee=fee|Fee currency=cur|Balance=balance|Account='Main|"
     "Beneficiary IBAN=iban"},
    {"revolut-2022", ",", Quoting::kNeeded, "ub", "yyyy-mm-dd", '.', 0, false, false, -1, false,
     "", "", nullptr, nullptr, "", "",
     "Date started (UTC)|Date completed (UTC)|Date started (Europe/Prague)|"
     "Date completed (Europe/Prague)|ID|Type|Description|Reference|Payer|Card number|"
     "Orig currency|Orig amount|Payment currency|Amount|Exchange rate|Fee|Fee currency|Balance|"
     "Account|Beneficiary account number|Beneficiary sort code or routing number|"
     "Beneficiary IBAN|Beneficiary BIC",
     "Date started (UTC)=dt|Date completed (UTC)=done|Date started (Europe/Prague)=dt|"
     "Date completed (Europe/Prague)=done|ID=id|Type='TRANSFER|Description=msg|"
     "Orig currency=cur|Orig amount=amount|Payment currency=cur|Amount=amount|Fee=fee|"
     "Fee currency=cur|Balance=balance|Account='Main|Beneficiary IBAN=iban"},
    {"revolut-personal", ",", Quoting::kNeeded, "u", "yyyy-mm-dd", '.', 0, false, false, 1,
     false, "", "", "COMPLETED", "PENDING", "", "",
     "Type|Product|Started Date|Completed Date|Description|Amount|Fee|Currency|State|Balance",
     "Type='TRANSFER|Product='Current|Started Date=dt|Completed Date=done|Description=msg|"
     "Amount=amount|Fee=fee|Currency=cur|State=state|Balance=balance"},
    {"wise", ",", Quoting::kSpaces, "b", "dd-mm-yyyy", '.', 0, false, false, 0, true,
     "CREDIT", "DEBIT", nullptr, nullptr, "", "",
     "TransferWise ID|Date|Date Time|Amount|Currency|Description|Payment Reference|"
     "Running Balance|Exchange From|Exchange To|Exchange Rate|Payer Name|Payee Name|"
     "Payee Account Number|Merchant|Card Last Four Digits|Card Holder Full Name|Attachment|"
     "Total fees|Exchange To Amount|Transaction Type|Transaction Details Type",
     "TransferWise ID=id|Date=date|Date Time=dt|Amount=amount|Currency=cur|Description=msg|"
     "Running Balance=balance|Total fees=feeinfo|Transaction Type=dir|"
     "Transaction Details Type='TRANSFER"},
    {"wise-transfers", ",", Quoting::kSpaces, "u", "yyyy-mm-dd", '.', 0, false, false, 0, false,
     "IN", "OUT", "COMPLETED", "CANCELLED", "", "",
     "ID|Status|Direction|Created on|Finished on|Source fee amount|Source fee currency|"
     "Target fee amount|Target fee currency|Source name|Source amount (after fees)|"
     "Source currency|Target name|Target amount (after fees)|Target currency|Exchange rate|"
     "Reference|Batch",
     "ID=id|Status=state|Direction=dir|Created on=dt|Finished on=done|Source fee amount='0.00|"
     "Source fee currency=cur|Source name=name|Source amount (after fees)=abs|"
     "Source currency=cur|Target name=name|Target amount (after fees)=abs|Target currency=cur|"
     "Exchange rate='1|Reference=msg"},
    {"paypal", ",", Quoting::kAll, "ub", "m/d/yyyy", '.', ',', false, false, -1, false,
     "Express Checkout Payment", "General Payment", nullptr, nullptr, "", "",
     "Date|Time|Time Zone|Description|Currency|Gross|Fee|Net|Balance|Transaction ID|"
     "From Email Address|Name|Bank Name|Bank Account|Shipping and Handling Amount|Sales Tax|"
     "Invoice ID|Reference Txn ID",
     "Date=date|Time='10:00:00|Time Zone='CET|Description=dir|Currency=cur|Gross=amount|"
     "Fee=fee|Net=net|Balance=balance|Transaction ID=id|Name=name|"
     "Shipping and Handling Amount='0.00|Sales Tax='0.00"},
    {"paypal-de", ",", Quoting::kAll, "u", "dd.mm.yyyy", ',', '.', false, false, -1, false,
     "Haben", "Soll", nullptr, nullptr, "", "",
     "Datum|Uhrzeit|Zeitzone|Name|Typ|Status|Währung|Brutto|Gebühr|Netto|"
     "Absender E-Mail-Adresse|Empfänger E-Mail-Adresse|Transaktionscode|Guthaben|"
     "Auswirkung auf Guthaben",
     "Datum=date|Uhrzeit='10:00:00|Zeitzone='MESZ|Name=name|Typ='Zahlung|"
     "Status='Abgeschlossen|Währung=cur|Brutto=amount|Gebühr=fee|Netto=net|"
     "Transaktionscode=id|Guthaben=balance|Auswirkung auf Guthaben=dir"},
    {"paypal-it", ",", Quoting::kAll, "u", "dd/mm/yyyy", ',', '.', false, false, -1, false,
     "Credito", "Debito", nullptr, nullptr, "", "",
     "Data|Orario|Fuso orario|Nome|Tipo|Stato|Valuta|Lordo|Tariffa|Netto|"
     "Indirizzo email mittente|Indirizzo email destinatario|Codice transazione|Saldo|"
     "Impatto sul saldo",
     "Data=date|Orario='10:00:00|Fuso orario='CET|Nome=name|Tipo='Pagamento|"
     "Stato='Completato|Valuta=cur|Lordo=amount|Tariffa=fee|Netto=net|"
     "Codice transazione=id|Saldo=balance|Impatto sul saldo=dir"},
    {"paypal-fr-statement", ",", Quoting::kAll, "u", "m/d/yyyy", ',', ' ', false, false, -1,
     false, "Paiement Express Checkout", "Paiement", nullptr, nullptr, "", "",
     "Date|Heure|Fuseau horaire|Description|Devise|Brut|Frais|Net|Solde|N° de transaction|"
     "De l'adresse email|Nom|Nom de la banque|Compte bancaire",
     "Date=date|Heure='10:00:00|Fuseau horaire='PST|Description=dir|Devise=cur|Brut=amount|"
     "Frais=fee|Net=net|Solde=balance|N° de transaction=id|Nom=name"},
    {"revolut-personal-de", ",", Quoting::kNeeded, "u", "yyyy-mm-dd", '.', 0, false, false, 1,
     false, "", "", "ABGESCHLOSSEN", "AUSSTEHEND", "", "",
     "Art|Produkt|Datum des Beginns|Datum des Abschlusses|Beschreibung|Betrag|Gebühr|Währung|"
     "Status|Kontostand",
     "Art='Überweisung|Produkt='Aktuell|Datum des Beginns=dt|Datum des Abschlusses=done|"
     "Beschreibung=msg|Betrag=amount|Gebühr=fee|Währung=cur|Status=state|Kontostand=balance"},
    {"revolut-personal-it", ",", Quoting::kNeeded, "u", "yyyy-mm-dd", '.', 0, false, false, 1,
     false, "", "", "COMPLETATO", nullptr, "", "",
     "Tipo|Prodotto|Data di inizio|Data di completamento|Descrizione|Importo|Costo|Valuta|"
     "State|Saldo",
     "Tipo='TRASFERIMENTO|Prodotto='Attuale|Data di inizio=dt|Data di completamento=done|"
     "Descrizione=msg|Importo=amount|Costo=fee|Valuta=cur|State=state|Saldo=balance"},
    {"wise-transfers-de", ",", Quoting::kSpaces, "u", "yyyy-mm-dd", '.', 0, false, false, 0,
     false, "IN", "OUT", "COMPLETED", "CANCELLED", "", "",
     "ID|Status|Richtung|Erstellt am|Abgeschlossen am|Betrag der Ausgangsgebühr|"
     "Währung der Ausgangsgebühr|Betrag der Zielgebühr|Währung der Zielgebühr|Quellenname|"
     "Ausgangsbetrag (nach Gebühren)|Ausgangswährung|Name des Empfängers|"
     "Zielbetrag (nach Gebühren)|Zielwährung|Wechselkurs|Referenz|Sammelüberweisung",
     "ID=id|Status=state|Richtung=dir|Erstellt am=dt|Abgeschlossen am=done|"
     "Betrag der Ausgangsgebühr='0.00|Währung der Ausgangsgebühr=cur|Quellenname=name|"
     "Ausgangsbetrag (nach Gebühren)=abs|Ausgangswährung=cur|Name des Empfängers=name|"
     "Zielbetrag (nach Gebühren)=abs|Zielwährung=cur|Wechselkurs='1|Referenz=msg"},
};
// clang-format on

}  // namespace tarvolo
