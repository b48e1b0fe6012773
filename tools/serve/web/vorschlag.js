// Suggestions while typing a chemical: names and CAS numbers from the substance table, into
// the field's datalist. The field works without this; it only saves typing.
"use strict";
document.querySelectorAll("input[data-vorschlag]").forEach(function (feld) {
  var liste = document.getElementById(feld.getAttribute("list"));
  var zuletzt = "";
  var laufend = null;
  if (!liste) return;
  feld.addEventListener("input", function () {
    var text = feld.value.trim();
    if (text.length < 2 || text === zuletzt) return;
    zuletzt = text;
    if (laufend) laufend.abort();
    laufend = new AbortController();
    var adresse = new URL(feld.getAttribute("data-vorschlag"), document.baseURI);
    adresse.searchParams.set("q", text);
    fetch(adresse, { signal: laufend.signal, headers: { Accept: "application/json" } })
      .then(function (antwort) { return antwort.ok ? antwort.json() : []; })
      .then(function (vorschlaege) {
        liste.replaceChildren();
        vorschlaege.forEach(function (v) {
          var option = document.createElement("option");
          option.value = v.name;
          option.label = v.cas ? v.name + " (" + v.cas + ")" : v.name;
          liste.appendChild(option);
        });
      })
      .catch(function () { /* a later keystroke took over; nothing to show */ });
  });
});
