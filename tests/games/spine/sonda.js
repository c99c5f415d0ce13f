// What a page of the game can read, reported through a script link: "outra"
// keeps the report in register 4.
function lido(address) {
  try {
    var request = new XMLHttpRequest();
    request.open("GET", address, false);
    request.send();
    return request.responseText.length > 0 ? "lido" : "vazio";
  } catch (e) {
    return "recusado";
  }
}

window.onload = function () {
  var achado = [
    "etc-" + lido("file:///etc/hostname"),
    "jogo-" + lido("spine.ini"),
    "pagina-" + lido(document.URL),
    "vizinho-" + lido(document.URL.replace(/tmp\.htm$/i, "vizinho.txt")),
    "absoluto-" + document.images[0].naturalWidth,
    "relativo-" + document.getElementById("relativo").naturalWidth,
    "fora-" + document.getElementById("fora").naturalWidth
  ];
  // Neither another file nor a web address takes the page's place: the report still comes.
  location.href = "spine.ini";
  setTimeout(function () { location.href = "http://exemplo.org/pagina"; }, 300);
  setTimeout(function () { location.href = "Scp=outra&Prm=" + achado.join("."); }, 1200);
};
